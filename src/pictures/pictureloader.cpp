// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/pictureloader.h"

#include "pictures/heifpicture.h"

#include <QImageIOHandler>
#include <QImageReader>

namespace {

// Only some decoders (JPEG, 8-bit PNG) scale while they read; BMP, GIF, 16-bit PNG and others are
// decoded whole first. Qt's default allocation limit (128 MB in Qt 6.4) would refuse ordinary
// camera pictures saved that way, so it is raised to what the largest accepted picture needs at
// four bytes a pixel.
constexpr int AllocationLimitMegabytes = int(PictureMaxPixels * 4 / (1024 * 1024));

QSize deviceSize(QSize logical, qreal devicePixelRatio) {
    return QSize(qRound(logical.width() * devicePixelRatio),
                 qRound(logical.height() * devicePixelRatio));
}

QImage stretched(QImage image, QSize size, qreal devicePixelRatio) {
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

// Qt's readers decode JPEG and 8-bit PNG straight to a smaller size; the others decode whole and
// then scale.
std::optional<QImage> decodeWithQt(const QString& path, QSize board) {
    QImageReader::setAllocationLimit(AllocationLimitMegabytes);

    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() > PictureMaxPixels)
        return std::nullopt;

    // The reader scales before it turns the picture upright, so a picture stored on its side
    // is asked for at the turned size.
    const bool onItsSide = reader.transformation() & QImageIOHandler::TransformationRotate90;
    reader.setScaledSize(onItsSide ? board.transposed() : board);

    QImage decoded;
    if (!reader.read(&decoded))
        return std::nullopt;
    return decoded;
}

} // namespace

std::optional<PictureImages> decodePicture(const QString& path, qreal devicePixelRatio) {
    const QSize board = deviceSize(PictureBoardSize, devicePixelRatio);
    std::optional<QImage> decoded =
        isHeifFile(path) ? decodeHeif(path, board, PictureMaxPixels) : decodeWithQt(path, board);
    if (!decoded)
        return std::nullopt;

    // The other sizes come from the small board image: the file is read only once.
    PictureImages images;
    images.board = stretched(*std::move(decoded), board, devicePixelRatio);
    images.board3x3 = stretched(images.board, deviceSize(PictureBoard3x3Size, devicePixelRatio),
                                devicePixelRatio);
    images.sample =
        stretched(images.board, deviceSize(PictureSampleSize, devicePixelRatio), devicePixelRatio);
    return images;
}

std::optional<LoadedPicture> loadPicture(const QString& path, qreal devicePixelRatio) {
    const std::optional<PictureImages> images = decodePicture(path, devicePixelRatio);
    if (!images)
        return std::nullopt;
    return LoadedPicture{QPixmap::fromImage(images->board), QPixmap::fromImage(images->board3x3),
                         QPixmap::fromImage(images->sample)};
}
