// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/picturefilter.h"

#include <QCoreApplication>

QString pictureFilterText() {
    return QCoreApplication::translate(
        "LoadPic", "All Supported Files |*.jpg;*.bmp;*.jpeg;*.gif|Jpg File   (*.jpg)|*.jpg|"
                   "BitMap File(*.bmp)|*.bmp|Jpeg File  (*.jpeg)|*.jpeg|Gif File   (*.gif)|*.gif");
}

QStringList toDialogFilters(const QString& filterText) {
    const QStringList parts = filterText.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& display = parts[i];
        const QString patterns = u'(' + parts[i + 1].split(u';').join(u' ') + u')';
        filters.append(display.endsWith(patterns) ? display : display + patterns);
    }
    return filters;
}

QStringList pictureFilters() {
    return toDialogFilters(pictureFilterText());
}
