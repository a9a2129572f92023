// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pictures that come with the game, for a player who has none of their own at hand. They
// are saved as JPEG files and installed beside the program as pictures to load, not built
// into it. Every region of each picture has colours and shapes of its own, so that the tiles
// of a scrambled board can be told apart.

#include "landscape.h"

#include <QImage>
#include <QPainter>

// Every picture is drawn on a canvas of this many units, whatever its size in pixels: wide
// enough for sharp tiles on a 3x board, and of the board's own shape.
inline constexpr QSize puzzlePictureSize{1600, 1240};

// Readies a painter on a picture of `size` pixels to draw smoothly in canvas units.
inline void drawInCanvasUnits(QPainter& p, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size.width()) / puzzlePictureSize.width(),
            qreal(size.height()) / puzzlePictureSize.height());
    p.setPen(Qt::NoPen);
}

QImage paintBalloons(QSize size);
QImage paintHarbour(QSize size);
QImage paintReef(QSize size);
QImage paintNightStreet(QSize size);
QImage paintMosaic(QSize size);

struct PuzzlePicture {
    const char* fileName;
    QImage (*paint)(QSize size);
};

inline constexpr PuzzlePicture puzzlePictures[] = {
    {"mountain-lake.jpg", paintLandscape},  {"balloons.jpg", paintBalloons},
    {"harbour.jpg", paintHarbour},          {"coral-reef.jpg", paintReef},
    {"night-street.jpg", paintNightStreet}, {"mosaic.jpg", paintMosaic},
};
