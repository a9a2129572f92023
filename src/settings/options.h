// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settingsstore.h"

// The player's options as the settings store keeps them in section "options": whether the grid
// lines and the tile numbers are hidden, and whether a new picture is scrambled at once.

// The option texts as last read from or written to the store.
struct OptionTexts {
    QString gridvalue; // "1" while the grid lines are hidden
    QString numvalue;  // "1" while the tile numbers are hidden
    QString enable;    // the auto-scramble check box: "1" checked
};

// What the main window starts from.
struct StartOptions {
    OptionTexts texts; // exactly as read, even when damaged
    // The opposite of the saved states: start-up toggles the grid lines and the numbers once
    // each, which brings back what was saved. A saved 1 starts as 0, any other number as 1.
    qint16 gridOff = 0;
    qint16 numOff = 0;
    qint16 autoScramble = 0; // 0 unchecked, 1 checked
};

// An option that is not a 16-bit whole number counts as absent, so it takes its default:
// grid lines shown, numbers hidden, no auto-scramble. Any auto-scramble number but 0 checks
// the box.
StartOptions readOptions(SettingsStore& store);
// Writes "Gridvalue", "Numvalue" and "Enable", in that order, and returns the texts written.
OptionTexts saveOptions(SettingsStore& store, qint16 gridOff, qint16 numOff, qint16 autoScramble);
