// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>

// Turns a picture file into the few small images the game shows: decoded once, straight to the
// size of the boards, and never kept at full resolution.

// Logical sizes the picture is stretched to, whatever its own proportions.
// The 5×5 and 4×4 tile images and the preview window share one size; the 4×4 board clips the
// image's last row.
inline constexpr QSize PictureBoardSize{420, 325};
inline constexpr QSize PictureBoard3x3Size{420, 324};
inline constexpr QSize PictureSampleSize{153, 113};

// Pictures whose header claims more pixels than this are refused before any decoding, so a
// damaged or hostile file cannot make the game allocate gigabytes.
inline constexpr qint64 PictureMaxPixels = qint64(16384) * 16384;

// The picture at each size it is shown, in device pixels (logical size times the device pixel
// ratio) and marked with that ratio, so it draws at its logical size.
struct PictureImages {
    QImage board;
    QImage board3x3;
    QImage sample;
};

struct LoadedPicture {
    QPixmap board; // the 5×5 and 4×4 tiles and the preview window
    QPixmap board3x3;
    QPixmap sample;
};

// Decodes the file, turned upright as its orientation tag says. Nothing when the file is missing,
// empty, not a picture, damaged beyond reading or absurdly large. Needs no application object.
// Raises Qt's image allocation limit for the whole process, so that large pictures in formats
// that are decoded whole still load.
std::optional<PictureImages> decodePicture(const QString& path, qreal devicePixelRatio);

// decodePicture, as pixmaps ready to draw (needs a QGuiApplication).
std::optional<LoadedPicture> loadPicture(const QString& path, qreal devicePixelRatio);
