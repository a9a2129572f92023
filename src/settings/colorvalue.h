// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// A colour as the game stores it: a 24-bit number with red in the low byte
// (red + 256 × green + 65536 × blue), held in a 32-bit signed integer.

inline constexpr qint32 MaxColorValue = 0xFFFFFF;
inline constexpr qint32 DefaultNumColorValue = 128;      // dark red
inline constexpr qint32 DefaultBkColorValue = 11310476;  // blue-grey, RGB 140, 149, 172
inline constexpr qint32 DefaultBoxColorValue = 11310476; // the same blue-grey

// Only the low 24 bits of the value count.
QColor colorFromValue(qint32 value);
// Alpha is dropped: the stored colours are opaque.
qint32 valueFromColor(const QColor& color);
