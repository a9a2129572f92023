// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startwatch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <regex.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Windows come and go while we look at them; a failed request is simply no answer.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

std::string titleOf(Display* display, Window window) {
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = 0;
    int formatBits = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 256, False, utf8, &type, &formatBits,
                           &count, &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

long statusField(pid_t pid, const std::string& key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, key.size(), key) == 0 && line.size() > key.size() &&
            line[key.size()] == ':')
            return std::atol(line.c_str() + key.size() + 1);
    }
    return -1;
}

void endProgram(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

pid_t launch(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

} // namespace

struct StartWatch::Impl {
    Display* display = nullptr;
    Window root = 0;

    // A top-level window that became visible, and when.
    struct Mapped {
        Window window = 0;
        std::string title;
        double at = 0;
    };

    // Waits for the next top-level map until `deadline`; false on timeout or when the program
    // has ended.
    bool nextMap(pid_t pid, double deadline, Mapped& mapped) {
        const int fd = ConnectionNumber(display);
        for (;;) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == MapNotify && event.xmap.event == root &&
                    !event.xmap.override_redirect) {
                    mapped = {event.xmap.window, titleOf(display, event.xmap.window), nowMs()};
                    return true;
                }
            }
            const double now = nowMs();
            if (now >= deadline || waitpid(pid, nullptr, WNOHANG) == pid)
                return false;
            // Wakes at least every 20 ms to notice a program that died without a window.
            const double wait = std::min(deadline - now, 20.0);
            timeval tv{long(wait / 1e3), long(wait * 1e3) % 1000000};
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            select(fd + 1, &fds, nullptr, nullptr, &tv);
        }
    }

    // Lets the program run for `ms`, throwing away whatever the X server reports meanwhile.
    void idle(double ms) {
        const double until = nowMs() + ms;
        while (nowMs() < until) {
            usleep(5000);
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
            }
        }
    }

    // Gives the window the keyboard (there is no window manager to do it) and presses a key.
    void pressKey(Window window) {
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
        const KeyCode key = XKeysymToKeycode(display, XK_k);
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
        XFlush(display);
    }
};

StartWatch::StartWatch() : impl_(std::make_unique<Impl>()) {
    impl_->display = XOpenDisplay(nullptr);
    if (!impl_->display) {
        problem_ = "cannot open the X display";
        return;
    }
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(impl_->display, &event, &error, &major, &minor))
        problem_ = "the X server has no XTEST extension";
    XSetErrorHandler(ignoreErrors);
    impl_->root = DefaultRootWindow(impl_->display);
    XSelectInput(impl_->display, impl_->root, SubstructureNotifyMask);
    XSync(impl_->display, False);
    fcntl(ConnectionNumber(impl_->display), F_SETFD, FD_CLOEXEC);
}

StartWatch::~StartWatch() {
    if (impl_->display)
        XCloseDisplay(impl_->display);
}

StartTimes StartWatch::run(const StartRequest& request) {
    StartTimes times;
    Display* display = impl_->display;
    // Whatever earlier programs left in the queue is not about this one.
    XSync(display, True);

    regex_t wanted{};
    const bool withKey = !request.afterKeyTitle.empty();
    if (withKey && regcomp(&wanted, request.afterKeyTitle.c_str(), REG_EXTENDED | REG_NOSUB) != 0) {
        times.error = "bad title pattern";
        return times;
    }

    const double start = nowMs();
    const pid_t pid = launch(request.command);
    if (pid < 0) {
        times.error = std::string("fork: ") + std::strerror(errno);
        return times;
    }
    const double deadline = start + request.timeoutMs;
    Impl::Mapped first;
    if (!impl_->nextMap(pid, deadline, first)) {
        times.error = "no window appeared";
    } else {
        times.firstMapMs = first.at - start;
        if (withKey) {
            impl_->idle(request.settleMs);
            const double pressed = nowMs();
            impl_->pressKey(first.window);
            Impl::Mapped next;
            bool found = false;
            while (!found && impl_->nextMap(pid, deadline, next))
                found = regexec(&wanted, next.title.c_str(), 0, nullptr, 0) == 0;
            if (found)
                times.keyToMapMs = next.at - pressed;
            else
                times.error = "no window titled " + request.afterKeyTitle + " after the key";
        }
        if (times.error.empty()) {
            impl_->idle(request.idleMs);
            times.rssKb = statusField(pid, "VmRSS");
            times.hwmKb = statusField(pid, "VmHWM");
        }
    }
    if (withKey)
        regfree(&wanted);
    endProgram(pid);
    return times;
}
