#include "pictures/pictureloader.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

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
    image.save(&buffer, format);
    return bytes;
}

QString write(const QString& name, const QByteArray& bytes) {
    static const QTemporaryDir dir;
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : "";
}

} // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT

private slots:
    // Each cell of the picture must come out at the centre of its own tile, on every image, the
    // picture stretched whatever its proportions (neither cropped nor letterboxed) and turned
    // upright as its orientation tag says.
    void cellsLandOnTheirTiles_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("turned"); // stored a quarter anticlockwise, tagged orientation 6
        QTest::newRow("5x5 tall, hidpi") << 5 << QSize(200, 1600) << 2.0 << "jpeg" << false;
        QTest::newRow("3x3 turned") << 3 << QSize(600, 300) << 1.0 << "jpeg" << true;
        // A BMP is decoded whole before it is scaled, so a camera-sized one needs more memory
        // than Qt allows by default.
        const int side = int(std::sqrt(QImageReader::allocationLimit() * 1024.0 * 1024.0 / 4));
        QTest::newRow("BMP beyond Qt's limit")
            << 2 << QSize(side + 100, side + 100) << 1.0 << "bmp" << false;
    }

    void cellsLandOnTheirTiles() {
        QFETCH(int, n);
        QFETCH(QSize, source);
        QFETCH(qreal, dpr);
        QFETCH(QString, format);
        QFETCH(bool, turned);
        QByteArray file = encoded(cellPicture(n, source), qPrintable(format));
        if (turned) { // an Exif segment with a single Orientation entry after the start marker
            QByteArray exif;
            QDataStream out(&exif, QIODevice::WriteOnly);
            out << quint16(0xFFE1) << quint16(34);
            out.writeRawData("Exif\0\0MM", 8);
            out << quint16(42) << quint32(8) << quint16(1) << quint16(0x0112) << quint16(3)
                << quint32(1) << quint16(6) << quint16(0) << quint32(0);
            file.insert(2, exif);
        }
        const auto picture = loadPicture(write("cells." + format, file), dpr);
        QVERIFY(picture);
        const std::pair<QPixmap, QSize> shown[] = {{picture->board, QSize(420, 325)},
                                                   {picture->board3x3, QSize(420, 324)},
                                                   {picture->sample, QSize(153, 113)}};
        for (const auto& [pixmap, logical] : shown) {
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(logical));
            QCOMPARE(pixmap.size(), logical * dpr);
            const QImage image = pixmap.toImage();
            for (int cell = 0; cell < n * n; ++cell) {
                // Turned a quarter clockwise, a stored row becomes a column counted from the right.
                const qreal x = (turned ? n - 1 - cell / n : cell % n) + 0.5;
                const qreal y = (turned ? cell % n : cell / n) + 0.5;
                const QColor found =
                    image.pixelColor(int(x / n * image.width()), int(y / n * image.height()));
                // Every cell has a hue of its own.
                const int off = std::abs(found.hue() - cellColour(cell, n * n).hue());
                QVERIFY2(std::min(off, 360 - off) < 5, qPrintable(found.name()));
            }
        }
    }

    // Neither a text named like a picture nor a picture claiming 60000 x 60000 pixels loads.
    void refusesWhatIsNoUsablePicture() {
        QByteArray huge = encoded(cellPicture(2, QSize(16, 16)), "jpeg");
        huge.replace(huge.indexOf("\xFF\xC0") + 5, 4, "\xEA\x60\xEA\x60"); // height and width
        QVERIFY(!decodePicture(write("notes.jpg", "These are not pixels.\n"), 1.0));
        QVERIFY(!decodePicture(write("huge.jpg", huge), 1.0));
    }
};

QTEST_MAIN(PictureLoaderTest)
#include "tst_pictureloader.moc"
