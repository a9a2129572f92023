// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/droppedfile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QString droppedFile(const QMimeData* data) {
    if (!data->hasUrls())
        return {};
    // Empty for a URL that names no local file.
    const QString path = data->urls().constFirst().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}
