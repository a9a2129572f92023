#pragma once

#include <linux/capability.h>

// While alive, file permissions bind the calling thread as they bind a player, also when the
// tests run as root (as in CI), whose file-access privileges would otherwise read an unreadable
// file and write into a read-only folder. Other threads keep their privileges.
class PlainUser {
public:
    PlainUser();
    ~PlainUser();
    PlainUser(const PlainUser&) = delete;
    PlainUser& operator=(const PlainUser&) = delete;

private:
    __user_cap_data_struct saved_[2]{};
    bool changed_ = false;
};
