// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/colorvalue.h"

// QColor(QRgb) would read red from the high byte, so the bytes are taken apart here.
QColor colorFromValue(qint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 valueFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
