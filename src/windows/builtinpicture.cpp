#include "windows/builtinpicture.h"

#include <QImageReader>

QPixmap builtInPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
