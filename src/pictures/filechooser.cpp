#include "pictures/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

FileChooser systemFileChooser() {
    return [](QWidget* parent, const QString& title, const QStringList& filters) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        return QFileDialog::getOpenFileName(parent, title, folder,
                                            filters.join(QStringLiteral(";;")), nullptr,
                                            QFileDialog::DontUseNativeDialog);
    };
}
