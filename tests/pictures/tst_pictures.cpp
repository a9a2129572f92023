// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/frmpic.h"
#include "pictures/heifpicture.h"
#include "pictures/picturefilter.h"
#include "pictures/pictureloader.h"
#include "support/heiffile.h"
#include "windows/accessiblecontrols.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <random>

namespace {

QColor cellColour(int cell, int cells) {
    return QColor::fromHsv(cell * 359 / cells, 255, 255);
}

// An n×n grid of distinct colours.
QImage cellPicture(int n, QSize size) {
    QImage cells(n, n, QImage::Format_RGB32);
    for (int cell = 0; cell < n * n; ++cell)
        cells.setPixelColor(cell % n, cell / n, cellColour(cell, n * n));
    return cells.scaled(size);
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, format, 100);
    return bytes;
}

QString write(const QString& name, const QByteArray& bytes) {
    static const QTemporaryDir dir;
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : "";
}

// The picture in a file of the format, tagged with an orientation (1 upright, 6 to be turned a
// quarter clockwise, 8 anticlockwise) as cameras and phones do: in an Exif segment after a JPEG's
// start marker, in libheif's rotation box of a HEIC or AVIF file.
QString stored(const QImage& image, const QString& format, int orientation) {
    const QString name = QString("%1-%2.%3").arg(image.width()).arg(orientation).arg(format);
    if (format != "jpeg")
        return write(name, heifFile(image, format == "avif", orientation));
    QByteArray file = encoded(image, "jpeg");
    if (orientation != 1) { // an Exif segment holding the orientation alone
        QByteArray exif = QByteArray::fromHex("ffe100224578696600004d4d002a00000008000101120003"
                                              "000000010006000000000000");
        exif[29] = char(orientation);
        file.insert(2, exif);
    }
    return write(name, file);
}

} // namespace

class tst_pictures : public QObject {
    Q_OBJECT

private slots:
    // Each cell of the picture must come out at the centre of its own tile, on every image, the
    // picture stretched whatever its proportions (neither cropped nor letterboxed).
    void cellsLandOnTheirTiles_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QString>("format");
        QTest::newRow("5x5 tall, hidpi") << 5 << QSize(200, 1600) << 2.0 << "jpeg";
        // A BMP is decoded whole before it is scaled, so a camera-sized one needs more memory
        // than Qt allows by default.
        const int side = int(std::sqrt(QImageReader::allocationLimit() * 1024.0 * 1024.0 / 4));
        QTest::newRow("BMP beyond Qt's limit")
            << 2 << QSize(side + 100, side + 100) << 1.0 << "bmp";
    }

    void cellsLandOnTheirTiles() {
        QFETCH(int, n);
        QFETCH(QSize, source);
        QFETCH(qreal, dpr);
        QFETCH(QString, format);
        const auto picture = loadPicture(
            write("cells." + format, encoded(cellPicture(n, source), qPrintable(format))), dpr);
        QVERIFY(picture);
        const std::pair<QPixmap, QSize> shown[] = {{picture->board, QSize(420, 325)},
                                                   {picture->board3x3, QSize(420, 324)},
                                                   {picture->sample, QSize(153, 113)}};
        for (const auto& [pixmap, logical] : shown) {
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(logical));
            QCOMPARE(pixmap.size(), logical * dpr);
            const QImage image = pixmap.toImage();
            for (int cell = 0; cell < n * n; ++cell) {
                const QColor found = image.pixelColor(int((cell % n + 0.5) / n * image.width()),
                                                      int((cell / n + 0.5) / n * image.height()));
                // Every cell has a hue of its own.
                const int off = std::abs(found.hue() - cellColour(cell, n * n).hue());
                QVERIFY2(std::min(off, 360 - off) < 5, qPrintable(found.name()));
            }
        }
    }

    // A photo stored on its side shows as the same photo stored upright: turned the right way,
    // and as sharp, each board pixel decoded from its own part of the file.
    void aPictureStoredOnItsSideShowsUpright_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("orientation");
        for (const char* format : {"jpeg", "heic", "avif"}) {
            for (const int orientation : {6, 8})
                QTest::addRow("%s %d", format, orientation) << QString(format) << orientation;
        }
    }

    void aPictureStoredOnItsSideShowsUpright() {
        QFETCH(QString, format);
        QFETCH(int, orientation);
        // Blocks of random colour two board pixels wide.
        std::mt19937 random(7);
        QImage blocks(210, 163, QImage::Format_RGB32);
        for (int i = 0; i < 210 * 163; ++i)
            blocks.setPixel(i % 210, i / 210, random());
        const QImage upright = blocks.scaled(840, 650);
        const QImage side = upright.transformed(QTransform().rotate(orientation == 6 ? -90 : 90));
        const auto expected = decodePicture(stored(upright, format, 1), 1.0);
        const auto shown = decodePicture(stored(side, format, orientation), 1.0);
        QVERIFY(expected && shown);
        QCOMPARE(shown->board.size(), QSize(420, 325));
        const QImage a = expected->board.convertToFormat(QImage::Format_RGB888);
        const QImage b = shown->board.convertToFormat(QImage::Format_RGB888);
        qint64 difference = 0;
        for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
            difference += std::abs(a.constBits()[i] - b.constBits()[i]);
        // Turned the wrong way, or scaled before it is turned and stretched back, gives 20 and
        // more.
        const qint64 mean = difference / a.sizeInBytes();
        QVERIFY2(mean < 4, qPrintable(QString::number(mean)));
    }

    // Every kind of picture the game takes decodes: the small pictures the fuzz target starts
    // from (the first byte picks the extension). Files too large, damaged or not on this machine
    // are left to the fuzz targets, but for a HEIF picture's size, which libheif checks first:
    // one above the pixels allowed is refused, and one at that limit decodes.
    void eachFormatDecodes() {
        const QString heic = write("cap.heic", heifFile(cellPicture(2, QSize(16, 12)), false));
        QVERIFY(!decodeHeif(heic, QSize(8, 8), 16 * 12 - 1) &&
                decodeHeif(heic, QSize(8, 8), 16 * 12));
        const QFileInfoList seeds =
            QDir(QUADRELLO_PICTURE_CORPUS).entryInfoList({"p*.*", "t*.jpg"});
        QCOMPARE(seeds.size(), 9); // JPEG upright and turned, BMP, GIF, PNG, WebP, TIFF, HEIC, AVIF
        for (const QFileInfo& seed : seeds) {
            QFile file(seed.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(decodePicture(write(seed.fileName(), file.readAll().mid(1)), 1.0),
                     qPrintable(seed.fileName()));
        }
    }

    // Qt's file dialog reads each filter's patterns from its closing brackets.
    void fiveFiltersInOrder() {
        QCOMPARE(pictureFilters(), (QStringList{"All Supported Files (*.jpg *.bmp *.jpeg *.gif)",
                                                "Jpg File   (*.jpg)", "BitMap File(*.bmp)",
                                                "Jpeg File  (*.jpeg)", "Gif File   (*.gif)"}));
    }

    // The picture shows, named for a screen reader, without taking the focus from the window
    // the player is typing into.
    void showsThePictureWithoutTakingTheFocus() {
        QLineEdit field;
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        frmpic window(&field);
        QPixmap picture(420, 325);
        picture.fill(Qt::red);
        window.setPicture(picture);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QApplication::focusWidget(), &field);
        QCOMPARE(namelessControls(&window), QStringList());
        QCOMPARE(window.grab().toImage().pixelColor(416, 321), QColor(Qt::red));
    }
};

QTEST_MAIN(tst_pictures)
#include "tst_pictures.moc"
