// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Bytes as what a drag offers: NUL-separated pairs of a MIME type and its data, such as
// "text/uri-list" with local and remote addresses, missing files, folders and devices, or plain
// text. Whatever comes, the game takes nothing but a regular file on this machine.
#include "pictures/droppedfile.h"

#include <QMimeData>
#include <QUrl>
#include <sys/stat.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    QMimeData offered;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2)
        offered.setData(QString::fromUtf8(fields[i]), fields[i + 1]);

    const QString path = droppedFile(&offered);
    if (path.isEmpty())
        return 0;
    struct stat st {};
    if (::stat(path.toLocal8Bit().constData(), &st) != 0 || !S_ISREG(st.st_mode))
        qFatal("a drop gave \"%s\", which is no regular file", qPrintable(path));
    // A file on another machine ("file://host/path") must not be read as a local one.
    const QString host = offered.urls().constFirst().host();
    if (!host.isEmpty() && host != QStringLiteral("localhost"))
        qFatal("a drop gave \"%s\" for a file on %s", qPrintable(path), qPrintable(host));
    return 0;
}
