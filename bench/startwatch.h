// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <vector>

// Starts one program on the X display and times its windows from the X server's own map
// notifications: the root window's substructure is watched before the program is forked, so
// nothing is polled and no map can be missed.

struct StartRequest {
    std::vector<std::string> command;
    // When not empty: once the first window is mapped and the program has had settleMs to
    // finish drawing it, a key is pressed on that window, and the watch goes on until a window
    // whose title matches this extended regular expression is mapped.
    std::string afterKeyTitle;
    double settleMs = 300;
    // How long the program stays idle with its last window shown before its memory is read.
    double idleMs = 1000;
    double timeoutMs = 20000;
};

struct StartTimes {
    double firstMapMs = -1; // fork → first top-level window mapped
    double keyToMapMs = -1; // key press → the window named by afterKeyTitle mapped
    long rssKb = -1;        // VmRSS after the idle time
    long hwmKb = -1;        // VmHWM (peak resident memory) after the idle time
    std::string error;      // empty when every asked-for time was measured
};

class StartWatch {
public:
    StartWatch();
    ~StartWatch();
    StartWatch(const StartWatch&) = delete;
    StartWatch& operator=(const StartWatch&) = delete;

    // Empty when the display could be opened and can press keys.
    const std::string& problem() const { return problem_; }

    // Runs the program once, then ends it (SIGTERM, SIGKILL after three seconds). Its output
    // is thrown away.
    StartTimes run(const StartRequest& request);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string problem_;
};
