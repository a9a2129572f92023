// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up figures of the real program against two minimal Qt Widgets programs, each started
// afresh many times, taking turns so that all three see the same machine.
#include "benchstats.h"
#include "startwatch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kLabelWidth = 58;

void printRow(const std::string& label, const Samples& samples, int decimals = 1) {
    std::printf("  %s%s\n", pad(label, kLabelWidth).c_str(), spread(samples, decimals).c_str());
}

void printTarget(const std::string& label, const std::string& value, const std::string& target,
                 bool met) {
    std::printf("  %s%s%s%s\n", pad(label, kLabelWidth).c_str(), pad(value, 12).c_str(),
                pad(target, 14).c_str(), verdict(met).c_str());
}

double megabytes(long kb) {
    return double(kb) / 1024.0;
}

// A folder of our own, removed again at the end.
class PrivateFolder {
public:
    explicit PrivateFolder(const char* name)
        : path_(std::string("/tmp/quadrello-bench-") + name + "-XXXXXX") {
        if (!mkdtemp(path_.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
    }
    ~PrivateFolder() { std::filesystem::remove_all(path_); }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    const char* path() const { return path_.c_str(); }

private:
    std::string path_;
};

} // namespace

int main(int argc, char* argv[]) {
    int runs = 15;
    std::string game;
    std::string minimal;
    std::string minimalMain;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--runs"))
            runs = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--game"))
            game = argv[i + 1];
        else if (!std::strcmp(argv[i], "--minimal"))
            minimal = argv[i + 1];
        else if (!std::strcmp(argv[i], "--minimal-main"))
            minimalMain = argv[i + 1];
    }
    if (game.empty() || minimal.empty() || minimalMain.empty() || runs < 1) {
        std::fprintf(stderr,
                     "usage: %s --game PATH --minimal PATH --minimal-main PATH [--runs N]\n",
                     argv[0]);
        return 64;
    }

    StartWatch watch;
    if (!watch.problem().empty()) {
        std::fprintf(stderr, "start-up benchmark: %s\n", watch.problem().c_str());
        return 2;
    }
    // The game starts on its defaults and never sees the player's settings; it is ended by a
    // signal, so it never writes there either.
    const PrivateFolder config("config");
    setenv("XDG_CONFIG_HOME", config.path(), 1);
    const PrivateFolder runtime("runtime");
    if (!getenv("XDG_RUNTIME_DIR"))
        setenv("XDG_RUNTIME_DIR", runtime.path(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);

    const StartRequest minimalRun{{minimal}, {}, 0, 1000, 20000};
    const StartRequest minimalMainRun{{minimalMain}, {}, 0, 1000, 20000};
    const StartRequest gameRun{{game}, "^Quadrello$", 300, 1000, 20000};

    // The first start of each fills the file caches; it is not counted.
    watch.run(minimalRun);
    watch.run(minimalMainRun);
    watch.run(gameRun);

    Samples minimalMap, minimalHwm, shapeMap, shapeHwm, splashMap, mainMap, gameHwm, gameRss;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        const StartTimes m = watch.run(minimalRun);
        const StartTimes s = watch.run(minimalMainRun);
        const StartTimes g = watch.run(gameRun);
        for (const StartTimes* t : {&m, &s, &g}) {
            if (!t->error.empty()) {
                std::fprintf(stderr, "start-up run %d: %s\n", i + 1, t->error.c_str());
                ++failures;
            }
        }
        if (m.error.empty()) {
            minimalMap.add(m.firstMapMs);
            minimalHwm.add(megabytes(m.hwmKb));
        }
        if (s.error.empty()) {
            shapeMap.add(s.firstMapMs);
            shapeHwm.add(megabytes(s.hwmKb));
        }
        if (g.error.empty()) {
            splashMap.add(g.firstMapMs);
            mainMap.add(g.keyToMapMs);
            gameHwm.add(megabytes(g.hwmKb));
            gameRss.add(megabytes(g.rssKb));
        }
    }

    std::printf("Start-up: %d fresh starts of each program, alternating (ms; MB)\n", runs);
    printRow("minimal Qt Widgets program: exec → first window mapped", minimalMap);
    printRow("empty main window with menu bar: exec → mapped", shapeMap);
    printRow("quadrello: exec → splash mapped", splashMap);
    printRow("quadrello: key on the splash → main window mapped", mainMap);
    printRow("minimal program, idle: peak RSS (VmHWM)", minimalHwm);
    printRow("empty main window with menu bar, idle: peak RSS", shapeHwm);
    printRow("quadrello, main window idle: peak RSS (VmHWM)", gameHwm);
    printRow("quadrello, main window idle: RSS (VmRSS)", gameRss);
    std::printf("\n");
    if (failures > 0) {
        std::printf("  %d of %d starts failed: no targets judged\n\n", failures, 3 * runs);
        return 1;
    }
    const double splashRatio = splashMap.median() / minimalMap.median();
    printTarget("splash ÷ minimal program's first window",
                ratio(splashMap.median(), minimalMap.median()), "≤ 1.15×", splashRatio <= 1.15);
    const double extraMb = gameHwm.median() - minimalHwm.median();
    printTarget("main window idle peak RSS − minimal program's", format("%+.1f MB", extraMb),
                "≤ +4 MB", extraMb <= 4.0);
    std::printf("  %s%s\n",
                pad("  of which an empty main window with menu bar", kLabelWidth).c_str(),
                format("%+.1f MB", shapeHwm.median() - minimalHwm.median()).c_str());
    std::printf("\n");
    return 0;
}
