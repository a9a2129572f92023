// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the pictures the benchmark loads: phone-sized photos (JPEG, 12 to 48 megapixels), the
// same without grain (a smooth gradient, which decodes much faster), one photo taken with the
// phone turned (stored on its side with an Exif orientation tag), and a large PNG. The photos'
// grain makes their files about as big as real photos of that size (two bits a pixel, give or
// take), and so about as slow to decode. Existing files are kept.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <cstdio>

namespace {

struct Picture {
    const char* name;
    QSize size;
    const char* format;
    int grain; // how far the grain moves each colour channel up or down
};

constexpr Picture kPictures[] = {
    {"photo-12mp.jpg", {4000, 3000}, "jpeg", 8},  {"photo-24mp.jpg", {5664, 4248}, "jpeg", 8},
    {"photo-48mp.jpg", {8000, 6000}, "jpeg", 8},  {"smooth-24mp.jpg", {5664, 4248}, "jpeg", 0},
    {"picture-12mp.png", {4000, 3000}, "png", 8},
};

// Shading that changes slowly across the picture, plus grain from a fixed-seed generator so
// every run writes the same files.
QImage photoLike(QSize size, int grainSize) {
    QImage image(size, QImage::Format_RGB32);
    quint32 seed = 0x9E3779B9u;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int fy = y * 255 / size.height();
        for (int x = 0; x < size.width(); ++x) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            const int grain = int(seed % quint32(2 * grainSize + 1)) - grainSize;
            const int fx = x * 255 / size.width();
            const int band = (x / 97 + y / 89) % 2 ? 24 : 0;
            line[x] = qRgb(qBound(0, fx + grain, 255), qBound(0, fy + band + grain, 255),
                           qBound(0, 255 - (fx + fy) / 2 + grain, 255));
        }
    }
    return image;
}

// Red, green, blue and yellow quarters, upright: what the turned photo must show once loaded.
QImage quarters(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

template <typename T> QByteArray bigEndian(T value) {
    QByteArray bytes(sizeof(T), '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// An Exif segment holding only the orientation, put right after the JPEG's start marker.
QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation) {
    const QByteArray tiff = QByteArray("MM\0*", 4) + bigEndian<quint32>(8) + bigEndian<quint16>(1) +
                            bigEndian<quint16>(0x0112) + bigEndian<quint16>(3) +
                            bigEndian<quint32>(1) + bigEndian<quint16>(orientation) +
                            bigEndian<quint16>(0) + bigEndian<quint32>(0);
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + bigEndian<quint16>(quint16(body.size() + 2)) +
           body + jpeg.mid(2);
}

bool write(const QImage& image, const QString& path, const char* format) {
    QImageWriter writer(path, format);
    writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// A phone held upright stores the picture on its side and tags it "turn 90° clockwise to
// show"; stored here is the upright picture turned the other way.
bool writeTurnedPhoto(const QString& path) {
    const QImage upright = quarters({4248, 5664});
    const QImage stored = upright.transformed(QTransform().rotate(-90));
    QByteArray jpeg;
    {
        QFile scratch(path + ".part");
        if (!write(stored, scratch.fileName(), "jpeg") || !scratch.open(QIODevice::ReadOnly))
            return false;
        jpeg = scratch.readAll();
        scratch.remove();
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(withOrientation(jpeg, 6)) > 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 64;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const Picture& picture : kPictures) {
        const QString path = folder + '/' + QLatin1String(picture.name);
        if (QFileInfo::exists(path))
            continue;
        std::printf("writing %s\n", qPrintable(path));
        std::fflush(stdout);
        if (!write(photoLike(picture.size, picture.grain), path, picture.format))
            return 1;
    }
    const QString turned = folder + QStringLiteral("/turned-24mp.jpg");
    if (!QFileInfo::exists(turned)) {
        std::printf("writing %s\n", qPrintable(turned));
        if (!writeTurnedPhoto(turned))
            return 1;
    }
    return 0;
}
