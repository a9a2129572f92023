// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An empty picture of `size` logical pixels for a screen of `scale` device pixels to one.
// A painter on it works in logical coordinates and draws every shape at the full resolution,
// so the same drawing code makes the 1×, 2× and 3× pictures.

#include <QImage>

inline QImage canvas(QSize size, int scale, QImage::Format format) {
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}
