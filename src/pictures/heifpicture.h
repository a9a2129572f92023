// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// Pictures in a HEIF container, as phones save their photos (HEIC) and AVIF files, which Qt
// does not read. They are decoded by libheif.

// Whether the file starts the way HEIF containers do.
bool isHeifFile(const QString& path);

// The picture turned upright as the file says, stretched to `size`. Nothing when it cannot be
// decoded or holds more than `maxPixels`. The full-size picture lives only during the call.
std::optional<QImage> decodeHeif(const QString& path, QSize size, qint64 maxPixels);
