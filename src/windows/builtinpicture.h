// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

class QString;

// A PNG file built into the program, read as PNG. Qt, left to find out the format of a file by
// itself, first loads every image plugin on the system (over a megabyte that stays loaded), and
// QPixmap(file name) would also keep the picture in the pixmap cache after its window is gone.
//
// Most pictures are also built in drawn for screens of two and three device pixels to one,
// under Qt's names for them (title@2x.png and title@3x.png beside title.png). The one that
// fits the ratio is read, the next larger for a ratio in between, as Qt itself picks them; it
// keeps the picture's logical size. Without a ratio, the one of the sharpest screen is taken.
QPixmap builtInPicture(const QString& path, qreal devicePixelRatio);
QPixmap builtInPicture(const QString& path);

// The main window's icon in the sizes window managers pick from, up to 64 logical pixels on
// the sharpest screen.
QIcon builtInWindowIcon();
