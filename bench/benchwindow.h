// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/frmmain.h"
#include "settings/memorysettingsstore.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>

class RandomSource;

// The game's main window built as the program builds it, but on an in-memory store and with a
// file chooser that answers from the benchmark, shown on the screen and driven as a player
// would drive it.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();

    frmmain& window() { return *window_; }

    // Waits until the window is on the screen, painted and has the keyboard.
    bool waitUntilActive();

    // "Load Pic" answered with this file. Returns the milliseconds from the moment the chooser
    // hands the file over until the routine has finished.
    double loadPicture(const QString& path);

    // The file dropped on the window, as a file manager drops it. Returns the milliseconds until
    // the drop has been handled.
    double dropPicture(const QString& path);

    // A key pressed and released where the keyboard focus is, as the window system delivers it.
    void press(int key);

    // Shows another grid size through the preferences window.
    void chooseGrid(int slot);

private:
    MemorySettingsStore store_;
    std::unique_ptr<RandomSource> random_;
    QString answer_;
    QElapsedTimer chosen_;
    std::unique_ptr<frmmain> window_;
};

// Spins the event loop for the given time.
void settle(int ms);
