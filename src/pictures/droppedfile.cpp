// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/droppedfile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QString droppedFile(const QMimeData* data) {
    // The list is fetched from the program the drag comes from, which may send none or be gone
    // by now, even when the drag announced one.
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty())
        return {};
    // Empty for a URL that names no local file.
    const QString path = urls.constFirst().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}
