#include "reliability/plainuser.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Overriding read, write and search permissions, and acting as the owner of any file.
constexpr unsigned kFilePrivileges =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

__user_cap_header_struct header() {
    return {_LINUX_CAPABILITY_VERSION_3, 0};
}

} // namespace

// The raw system calls change only this thread's capabilities, which is what keeps the rest of
// the test process (and the sanitizers' own threads) as they were.
PlainUser::PlainUser() {
    __user_cap_header_struct h = header();
    if (syscall(SYS_capget, &h, saved_) != 0 || (saved_[0].effective & kFilePrivileges) == 0)
        return;
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~kFilePrivileges;
    h = header();
    changed_ = syscall(SYS_capset, &h, reduced) == 0;
}

PlainUser::~PlainUser() {
    if (!changed_)
        return;
    __user_cap_header_struct h = header();
    syscall(SYS_capset, &h, saved_);
}
