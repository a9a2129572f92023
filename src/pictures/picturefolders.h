// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The folders the picture dialog offers: the pictures that come with the game, and where the
// dialog opens the first time.

// The folder of the pictures installed with the game, found from where the program itself
// lies (installed, unpacked from its package, or in a build folder); empty when it is missing.
QString gamePicturesFolder();

// Where the dialog opens: the player's pictures folder when it holds a file matching one of
// `patterns` (such as "*.jpg"), otherwise the game's pictures; failing both, the player's
// pictures folder if there is one, and else the home folder.
QString firstPicturesFolder(const QString& playersPictures, const QString& gamePictures,
                            const QStringList& patterns);
