// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

FileChooser systemFileChooser() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return [folder](QWidget* parent, const QString& title, const QStringList& filters) mutable {
        const QString path =
            QFileDialog::getOpenFileName(parent, title, folder, filters.join(QStringLiteral(";;")),
                                         nullptr, QFileDialog::DontUseNativeDialog);
        if (!path.isEmpty())
            folder = QFileInfo(path).absolutePath();
        return path;
    };
}
