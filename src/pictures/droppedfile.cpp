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
    // A file on another machine ("file://host/picture.jpg") is not for this one, and its local
    // path "//host/picture.jpg" would name "/host/picture.jpg" here.
    const QUrl& url = urls.constFirst();
    if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == u"localhost"))
        return {};
    const QString path = url.path();
    return QFileInfo(path).isFile() ? path : QString();
}
