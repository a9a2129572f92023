// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/builtinpicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QtMath>

namespace {
QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
} // namespace

QPixmap builtInPicture(const QString& path, qreal devicePixelRatio) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    for (int scale = qCeil(devicePixelRatio); scale > 1; --scale) {
        const QString scaled = path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
        // The reader takes the scale from the "@2x" in the name.
        if (QFile::exists(scaled))
            return readPng(scaled);
    }
    return readPng(path);
}

QPixmap builtInPicture(const QString& path) {
    return builtInPicture(path, qGuiApp->devicePixelRatio());
}

QIcon builtInWindowIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        if (size <= 64 * qGuiApp->devicePixelRatio())
            icon.addPixmap(builtInPicture(QStringLiteral(":/icons/quadrello-%1.png").arg(size), 1));
    }
    return icon;
}
