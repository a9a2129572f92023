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
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

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

// An n×n grid of distinct colours, in proportions unlike any board's.
QImage cellPicture(int n) {
    QImage image(1000, 500, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int cell = 0; cell < n * n; ++cell) {
        const QRect r(cell % n * image.width() / n, cell / n * image.height() / n,
                      image.width() / n, image.height() / n);
        painter.fillRect(r, cellColour(cell, n * n));
    }
    return image;
}

// Blue bands a tenth of the width and height deep around a white middle: cropping would lose a
// band, letterboxing would add a foreign one.
QImage framedPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Blue);
    QPainter painter(&image);
    painter.fillRect(
        QRect(size.width() / 10, size.height() / 10, size.width() * 8 / 10, size.height() * 8 / 10),
        White);
    return image;
}

QImage quadrantPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Red);
    painter.fillRect(w, 0, w, h, Green);
    painter.fillRect(0, h, w, h, Blue);
    painter.fillRect(w, h, w, h, Yellow);
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

template <typename T> QByteArray littleEndian(T v) {
    QByteArray b(sizeof(T), '\0');
    qToLittleEndian(v, b.data());
    return b;
}

template <typename T> QByteArray bigEndian(T v) {
    QByteArray b(sizeof(T), '\0');
    qToBigEndian(v, b.data());
    return b;
}

// Qt reads GIF but does not write it. Every pixel is stored as a literal code, and a clear code
// before every pair keeps the codes three bits wide, so no compression is needed.
QByteArray gif(const QImage& image, const QList<QColor>& palette) {
    QByteArray out = "GIF89a" + littleEndian<quint16>(image.width()) +
                     littleEndian<quint16>(image.height()) + QByteArray("\x91\0\0", 3);
    for (const QColor& c : palette)
        out += QByteArray(1, char(c.red())) + char(c.green()) + char(c.blue());
    out += ',' + littleEndian<quint16>(0) + littleEndian<quint16>(0) +
           littleEndian<quint16>(image.width()) + littleEndian<quint16>(image.height()) +
           QByteArray("\0\x02", 2);

    constexpr quint32 clear = 4;
    constexpr quint32 end = 5;
    QByteArray data;
    quint32 bits = 0;
    int bitCount = 0;
    const auto put = [&](quint32 code) {
        bits |= code << bitCount;
        for (bitCount += 3; bitCount >= 8; bitCount -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    for (int i = 0; i < image.width() * image.height(); ++i) {
        if (i % 2 == 0)
            put(clear);
        put(quint32(palette.indexOf(image.pixelColor(i % image.width(), i / image.width()))));
    }
    put(end);
    if (bitCount > 0)
        data += char(bits & 0xFF);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out += char(block.size()) + block;
    }
    return out + QByteArray("\0;", 2);
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

quint32 crc32(const QByteArray& data) {
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (crc & 1 ? 0xEDB88320 : 0);
    }
    return ~crc;
}

// A small, valid PNG whose header claims another size (with a correct checksum, so only the
// size is wrong).
QByteArray pngClaiming(quint32 width, quint32 height) {
    QByteArray png = encoded(quadrantPicture(QSize(16, 16)), "png");
    constexpr int ihdrType = 12; // signature (8) and chunk length (4)
    png.replace(ihdrType + 4, 8, bigEndian<quint32>(width) + bigEndian<quint32>(height));
    png.replace(ihdrType + 17, 4, bigEndian<quint32>(crc32(png.mid(ihdrType, 17))));
    return png;
}

} // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cellsLandOnTheirTiles_data();
    void cellsLandOnTheirTiles();
    void stretchedToEachSize_data();
    void stretchedToEachSize();
    void turnedUprightByOrientationTag_data();
    void turnedUprightByOrientationTag();
    void readsAnyFormatQtKnows_data();
    void readsAnyFormatQtKnows();
    void pictureTooBigForQtsDefaultLimitLoads();
    void unreadableFilesGiveNoPicture_data();
    void unreadableFilesGiveNoPicture();
    void pixmapsCarryTheImages();

private:
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir_;
    int defaultAllocationLimit_ = 0;
};

void PictureLoaderTest::initTestCase() {
    QVERIFY(dir_.isValid());
    defaultAllocationLimit_ = QImageReader::allocationLimit();
}

QString PictureLoaderTest::write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void PictureLoaderTest::cellsLandOnTheirTiles_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QSize>("tileStep");
    QTest::addColumn<qreal>("dpr");

    QTest::newRow("5x5") << 5 << QSize(84, 65) << 1.0;
    QTest::newRow("5x5 hidpi") << 5 << QSize(84, 65) << 2.0;
    QTest::newRow("4x4") << 4 << QSize(105, 81) << 1.0;
    QTest::newRow("3x3") << 3 << QSize(140, 108) << 1.0;
    QTest::newRow("3x3 hidpi") << 3 << QSize(140, 108) << 2.0;
    QTest::newRow("3x3 fractional ratio") << 3 << QSize(140, 108) << 1.5;
}

void PictureLoaderTest::cellsLandOnTheirTiles() {
    QFETCH(int, n);
    QFETCH(QSize, tileStep);
    QFETCH(qreal, dpr);

    const auto images = decodePicture(write("cells.png", encoded(cellPicture(n), "png")), dpr);
    QVERIFY(images);
    const QImage& board = n == 3 ? images->board3x3 : images->board;
    for (int cell = 0; cell < n * n; ++cell) {
        const QPointF centre((cell % n + 0.5) * tileStep.width(),
                             (cell / n + 0.5) * tileStep.height());
        const QColor found = board.pixelColor((centre * dpr).toPoint());
        QVERIFY2(near(found, cellColour(cell, n * n), 4),
                 qPrintable(QStringLiteral("cell %1 is %2").arg(cell).arg(found.name())));
    }
}

void PictureLoaderTest::stretchedToEachSize_data() {
    QTest::addColumn<QSize>("source");
    QTest::addColumn<qreal>("dpr");

    QTest::newRow("wide") << QSize(1600, 200) << 1.0;
    QTest::newRow("wide hidpi") << QSize(1600, 200) << 2.0;
    QTest::newRow("tall") << QSize(200, 1600) << 1.0;
    QTest::newRow("tall hidpi") << QSize(200, 1600) << 2.0;
}

void PictureLoaderTest::stretchedToEachSize() {
    QFETCH(QSize, source);
    QFETCH(qreal, dpr);

    const auto images =
        decodePicture(write("framed.png", encoded(framedPicture(source), "png")), dpr);
    QVERIFY(images);
    const std::pair<QImage, QSize> shown[] = {{images->board, QSize(420, 325)},
                                              {images->board3x3, QSize(420, 324)},
                                              {images->sample, QSize(153, 113)}};
    for (const auto& [image, logical] : shown) {
        QCOMPARE(image.size(), logical * dpr);
        QCOMPARE(image.devicePixelRatio(), dpr);
        for (const qreal edge : {0.05, 0.95}) {
            QVERIFY(near(colourAt(image, edge, 0.5), Blue, 8));
            QVERIFY(near(colourAt(image, 0.5, edge), Blue, 8));
        }
        for (const qreal inside : {0.16, 0.84}) {
            QVERIFY(near(colourAt(image, inside, 0.5), White, 8));
            QVERIFY(near(colourAt(image, 0.5, inside), White, 8));
        }
    }
}

void PictureLoaderTest::turnedUprightByOrientationTag_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("topRight");
    QTest::addColumn<QColor>("bottomLeft");

    // The stored picture is red on the left half and blue on the right.
    QTest::newRow("upright") << 1 << Red << Blue << Red;
    QTest::newRow("upside down") << 3 << Blue << Red << Blue;
    QTest::newRow("turned a quarter clockwise") << 6 << Red << Red << Blue;
    QTest::newRow("turned a quarter anticlockwise") << 8 << Blue << Blue << Red;
}

void PictureLoaderTest::turnedUprightByOrientationTag() {
    QFETCH(int, orientation);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, topRight);
    QFETCH(QColor, bottomLeft);

    QImage stored(64, 32, QImage::Format_RGB32);
    stored.fill(Blue);
    QPainter(&stored).fillRect(0, 0, 32, 32, Red);
    const QByteArray jpeg = withOrientation(encoded(stored, "jpeg"), quint16(orientation));

    const auto images = decodePicture(write("turned.jpg", jpeg), 1.0);
    QVERIFY(images);
    QCOMPARE(images->board.size(), QSize(420, 325));
    QVERIFY(near(colourAt(images->board, 0.25, 0.25), topLeft, 40));
    QVERIFY(near(colourAt(images->board, 0.75, 0.25), topRight, 40));
    QVERIFY(near(colourAt(images->board, 0.25, 0.75), bottomLeft, 40));
}

void PictureLoaderTest::readsAnyFormatQtKnows_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("tolerance");

    const QImage picture = quadrantPicture(QSize(80, 60));
    QTest::newRow("jpeg") << "picture.jpeg" << encoded(picture, "jpeg") << 24;
    QTest::newRow("bmp") << "picture.bmp" << encoded(picture, "bmp") << 0;
    QTest::newRow("gif") << "picture.gif" << gif(picture, {Red, Green, Blue, Yellow}) << 0;
    QTest::newRow("png") << "picture.png" << encoded(picture, "png") << 0;
    QTest::newRow("tiff") << "picture.tif" << encoded(picture, "tiff") << 0;
    QTest::newRow("webp") << "picture.webp" << encoded(picture, "webp") << 24;
    QTest::newRow("png named .jpg") << "png.jpg" << encoded(picture, "png") << 0;
}

void PictureLoaderTest::readsAnyFormatQtKnows() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(int, tolerance);

    const auto images = decodePicture(write(fileName, content), 1.0);
    QVERIFY(images);
    QVERIFY(near(colourAt(images->board, 0.25, 0.25), Red, tolerance));
    QVERIFY(near(colourAt(images->board, 0.75, 0.25), Green, tolerance));
    QVERIFY(near(colourAt(images->board, 0.25, 0.75), Blue, tolerance));
    QVERIFY(near(colourAt(images->board, 0.75, 0.75), Yellow, tolerance));
}

// A BMP is decoded whole before it is scaled, so a camera-sized one needs more memory than Qt
// allows by default.
void PictureLoaderTest::pictureTooBigForQtsDefaultLimitLoads() {
    if (defaultAllocationLimit_ == 0)
        QSKIP("Qt's allocation limit is switched off in this environment");
    const int side = int(std::sqrt(defaultAllocationLimit_ * 1024.0 * 1024.0 / 4)) + 100;
    QImage big = quadrantPicture(QSize(side, side)).convertToFormat(QImage::Format_RGB888);
    const QString path = write("big.bmp", encoded(big, "bmp"));
    big = QImage();

    const auto images = decodePicture(path, 1.0);
    QVERIFY(images);
    QVERIFY(near(colourAt(images->board, 0.25, 0.25), Red, 0));
    QVERIFY(near(colourAt(images->board, 0.75, 0.75), Yellow, 0));
}

void PictureLoaderTest::unreadableFilesGiveNoPicture_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");

    const QByteArray jpeg = encoded(quadrantPicture(QSize(80, 60)), "jpeg");
    const qsizetype scanStart = jpeg.indexOf("\xFF\xDA");
    QVERIFY(scanStart > 0);

    QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("These are not pixels.\n");
    QTest::newRow("empty file") << "empty.jpg" << QByteArray("");
    QTest::newRow("missing file") << "missing.jpg" << QByteArray();
    QTest::newRow("jpeg cut before its picture data") << "cut.jpg" << jpeg.left(scanStart);
    QTest::newRow("png claiming 60000x60000") << "huge.png" << pngClaiming(60000, 60000);
}

void PictureLoaderTest::unreadableFilesGiveNoPicture() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);

    const QString path = content.isNull() ? dir_.filePath(fileName) : write(fileName, content);
    QVERIFY(!decodePicture(path, 1.0));
}

void PictureLoaderTest::pixmapsCarryTheImages() {
    const auto picture =
        loadPicture(write("quadrants.png", encoded(quadrantPicture(QSize(80, 60)), "png")), 2.0);
    QVERIFY(picture);
    QCOMPARE(picture->board.deviceIndependentSize(), QSizeF(420, 325));
    QCOMPARE(picture->board3x3.deviceIndependentSize(), QSizeF(420, 324));
    QCOMPARE(picture->sample.deviceIndependentSize(), QSizeF(153, 113));
    QVERIFY(near(colourAt(picture->sample.toImage(), 0.75, 0.75), Yellow, 0));
}

QTEST_MAIN(PictureLoaderTest)
#include "tst_pictureloader.moc"
