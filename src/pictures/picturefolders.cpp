// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/picturefolders.h"

#include <QCoreApplication>
#include <QDir>

QString gamePicturesFolder() {
    // The same path leads from the program to the pictures installed beside it and, in a build
    // folder, to the copy made there.
    const QDir folder(QDir(QCoreApplication::applicationDirPath())
                          .filePath(QStringLiteral(QUADRELLO_PICTURES_FROM_PROGRAM)));
    return folder.exists() ? folder.absolutePath() : QString();
}

QString firstPicturesFolder(const QString& playersPictures, const QString& gamePictures,
                            const QStringList& patterns) {
    const bool havePictures = !playersPictures.isEmpty() && QDir(playersPictures).exists();
    // Only the files the dialog would list count: those in the folder itself, not in folders
    // below it, with any letter case of their extension.
    if (havePictures &&
        !QDir(playersPictures, {}, QDir::NoSort, QDir::Files).entryList(patterns).isEmpty())
        return playersPictures;
    if (!gamePictures.isEmpty() && QDir(gamePictures).exists())
        return gamePictures;
    return havePictures ? playersPictures : QDir::homePath();
}
