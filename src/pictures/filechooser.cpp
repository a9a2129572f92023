// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/filechooser.h"

#include "pictures/picturefolders.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The patterns of a dialog filter: "Pictures (*.jpg *.gif)" gives *.jpg and *.gif.
QStringList patternsOf(const QString& filter) {
    const QRegularExpressionMatch inBrackets =
        QRegularExpression(QStringLiteral("\\(([^()]*)\\)$")).match(filter);
    return inBrackets.captured(1).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

FileChooser systemFileChooser() {
    const QString players = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString game = gamePicturesFolder();
    QString folder; // where the last chosen file was; none yet
    return [=](QWidget* parent, const QString& title, const QStringList& filters) mutable {
        QFileDialog dialog(parent, title,
                           folder.isEmpty()
                               ? firstPicturesFolder(players, game, patternsOf(filters.value(0)))
                               : folder,
                           filters.join(QStringLiteral(";;")));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        // The game's own pictures are one place among the usual ones.
        QList<QUrl> places = dialog.sidebarUrls();
        if (QFileInfo(players).isDir())
            places << QUrl::fromLocalFile(players);
        if (!game.isEmpty())
            places << QUrl::fromLocalFile(game);
        dialog.setSidebarUrls(places);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString path = dialog.selectedFiles().constFirst();
        folder = QFileInfo(path).absolutePath();
        return path;
    };
}
