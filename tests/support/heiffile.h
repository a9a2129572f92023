// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// The picture as a HEIC file, or an AVIF file when `av1`, written by libheif and tagged with an
// orientation as phones do (1 upright, 6 to be turned a quarter clockwise, 8 anticlockwise).
QByteArray heifFile(const QImage& image, bool av1, int orientation = 1);
