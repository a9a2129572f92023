// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settingsstore.h"

// The three colours as the settings store keeps them in section "color": of the tile numbers,
// of the window background and of the empty box, each a colour value as decimal text.

// The colour texts as last read from or written to the store.
struct ColorTexts {
    QString numColor;
    QString bkColor;
    QString boxColor;
};

// What the colour swatches start from.
struct ColorValues {
    ColorTexts texts; // exactly as read, even when damaged
    qint32 numColor = 0;
    qint32 bkColor = 0;
    qint32 boxColor = 0;
};

// A colour text that is not a whole number from 0 to MaxColorValue counts as absent, so that
// colour takes its default.
ColorValues readColors(SettingsStore& store);
// Writes "NumColor", "BkColor" and "BoxColor", in that order, and returns the texts written.
ColorTexts saveColors(SettingsStore& store, qint32 numColor, qint32 bkColor, qint32 boxColor);
