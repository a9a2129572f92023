#include "settings/pictureloader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The colour at a point given in fractions of the image, so one check serves every size.
QColor colourAt(const QImage& image, qreal fx, qreal fy) {
    return image.pixelColor(int(fx * image.width()), int(fy * image.height()));
}

QColor cellColour(int cell, int cells) {
    return QColor::fromHsv(cell * 359 / cells, 255, cell % 2 ? 160 : 255);
}

// An n×n grid of distinct colours.
QImage cellPicture(int n, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int cell = 0; cell < n * n; ++cell)
        painter.fillRect(cell % n * size.width() / n, cell / n * size.height() / n,
                         size.width() / n + 1, size.height() / n + 1, cellColour(cell, n * n));
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

template <typename T> QByteArray bigEndian(T v) {
    QByteArray b(sizeof(T), '\0');
    qToBigEndian(v, b.data());
    return b;
}

// Puts an Exif segment with a single Orientation entry right after the JPEG's start marker.
QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation) {
    const QByteArray tiff =
        "MM" + bigEndian<quint16>(42) + bigEndian<quint32>(8) // header, first IFD at 8
        + bigEndian<quint16>(1)                               // one entry
        + bigEndian<quint16>(0x0112) + bigEndian<quint16>(3)  // Orientation, SHORT
        + bigEndian<quint32>(1) + bigEndian<quint16>(orientation) + bigEndian<quint16>(0) +
        bigEndian<quint32>(0); // no further IFD
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + "\xFF\xE1" + bigEndian<quint16>(2 + body.size()) + body + jpeg.mid(2);
}

// A JPEG whose header claims another size.
QByteArray jpegClaiming(quint16 width, quint16 height) {
    QByteArray jpeg = encoded(cellPicture(2, QSize(16, 16)), "jpeg");
    return jpeg.replace(jpeg.indexOf("\xFF\xC0") + 5, 4, bigEndian(height) + bigEndian(width));
}

} // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    const int defaultAllocationLimit_ = QImageReader::allocationLimit();

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private slots:
    // Each cell of the picture must come out at the centre of its own tile, on every image, the
    // picture stretched whatever its proportions: neither cropped nor letterboxed.
    void cellsLandOnTheirTiles_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<qreal>("dpr");

        QTest::newRow("3x3, wide") << 3 << QSize(1600, 200) << 1.0;
        QTest::newRow("3x3, hidpi") << 3 << QSize(1000, 500) << 2.0;
        QTest::newRow("5x5") << 5 << QSize(1000, 500) << 1.0;
        QTest::newRow("5x5, tall, hidpi") << 5 << QSize(200, 1600) << 2.0;
    }

    void cellsLandOnTheirTiles() {
        QFETCH(int, n);
        QFETCH(QSize, source);
        QFETCH(qreal, dpr);

        const auto picture =
            loadPicture(write("cells.png", encoded(cellPicture(n, source), "png")), dpr);
        QVERIFY(picture);
        const std::pair<QPixmap, QSize> shown[] = {{picture->board, QSize(420, 325)},
                                                   {picture->board3x3, QSize(420, 324)},
                                                   {picture->sample, QSize(153, 113)}};
        for (const auto& [pixmap, logical] : shown) {
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(logical));
            QCOMPARE(pixmap.size(), logical * dpr);
            const QImage image = pixmap.toImage();
            for (int cell = 0; cell < n * n; ++cell) {
                const QColor found = colourAt(image, (cell % n + 0.5) / n, (cell / n + 0.5) / n);
                QVERIFY2(near(found, cellColour(cell, n * n), 6), qPrintable(found.name()));
            }
        }
    }

    void turnedUprightByOrientationTag() {
        // Stored red on the left, blue on the right, tagged as turned a quarter clockwise.
        QImage stored(64, 32, QImage::Format_RGB32);
        stored.fill(Blue);
        QPainter(&stored).fillRect(0, 0, 32, 32, Red);
        const QByteArray jpeg = withOrientation(encoded(stored, "jpeg"), 6);

        const auto images = decodePicture(write("turned.jpg", jpeg), 1.0);
        QVERIFY(images);
        QCOMPARE(images->board.size(), QSize(420, 325));
        QVERIFY(near(colourAt(images->board, 0.75, 0.25), Red, 40));
        QVERIFY(near(colourAt(images->board, 0.25, 0.75), Blue, 40));
    }

    // A BMP is decoded whole before it is scaled, so a camera-sized one needs more memory than
    // Qt allows by default.
    void pictureTooBigForQtsDefaultLimitLoads() {
        if (defaultAllocationLimit_ == 0)
            QSKIP("Qt's allocation limit is switched off in this environment");
        const int side = int(std::sqrt(defaultAllocationLimit_ * 1024.0 * 1024.0 / 4)) + 100;
        const QString path =
            write("big.bmp",
                  encoded(cellPicture(2, QSize(side, side)).convertToFormat(QImage::Format_RGB888),
                          "bmp"));

        const auto images = decodePicture(path, 1.0);
        QVERIFY(images);
        QVERIFY(near(colourAt(images->board, 0.75, 0.75), cellColour(3, 4), 0));
    }

    void unreadableFilesGiveNoPicture_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");

        const QByteArray jpeg = encoded(cellPicture(2, QSize(80, 60)), "jpeg");
        QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("These are not pixels.\n");
        QTest::newRow("empty file") << "empty.jpg" << QByteArray("");
        QTest::newRow("jpeg cut before its picture data")
            << "cut.jpg" << jpeg.left(jpeg.indexOf("\xFF\xDA"));
        QTest::newRow("jpeg claiming 60000x60000") << "huge.jpg" << jpegClaiming(60000, 60000);
    }

    void unreadableFilesGiveNoPicture() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QVERIFY(!decodePicture(write(fileName, content), 1.0));
    }
};

QTEST_MAIN(PictureLoaderTest)
#include "tst_pictureloader.moc"
