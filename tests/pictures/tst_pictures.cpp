// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/filechooser.h"
#include "pictures/frmpic.h"
#include "pictures/heifpicture.h"
#include "pictures/picturefilter.h"
#include "pictures/picturefolders.h"
#include "pictures/pictureloader.h"
#include "support/heiffile.h"
#include "windows/accessiblecontrols.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

    // The dialog opens among the player's pictures when it would list one there, and else
    // among the game's own.
    void theDialogOpensWhereThereArePictures_data() {
        QTest::addColumn<QStringList>("files"); // a name ending in "/" is a folder
        QTest::addColumn<QString>("opensIn");
        const QString game = "game/lake.jpg";
        QTest::newRow("a photo") << QStringList{"Pictures/a.jpg", game} << "Pictures";
        QTest::newRow("in capitals") << QStringList{"Pictures/B.GIF", game} << "Pictures";
        QTest::newRow("unlisted kinds")
            << QStringList{"Pictures/a.png", "Pictures/b.heic", game} << "game";
        QTest::newRow("in a folder below") << QStringList{"Pictures/trip/a.jpg", game} << "game";
        QTest::newRow("a folder named .jpg") << QStringList{"Pictures/album.jpg/", game} << "game";
        QTest::newRow("no Pictures folder") << QStringList{game} << "game";
        QTest::newRow("game's missing") << QStringList{"Pictures/"} << "Pictures";
        QTest::newRow("neither") << QStringList{} << "";
    }
    void theDialogOpensWhereThereArePictures() {
        QFETCH(QStringList, files);
        QFETCH(QString, opensIn);
        const QTemporaryDir root;
        for (const QString& name : files) {
            QVERIFY(QDir(root.path()).mkpath(QFileInfo(root.filePath(name)).path()));
            if (!name.endsWith('/'))
                QVERIFY(QFile(root.filePath(name)).open(QIODevice::WriteOnly));
        }
        QCOMPARE(firstPicturesFolder(root.filePath("Pictures"), root.filePath("game"),
                                     {"*.jpg", "*.bmp", "*.jpeg", "*.gif"}),
                 opensIn.isEmpty() ? QDir::homePath() : root.filePath(opensIn));
    }

    // The real dialog, for a player whose Pictures folder is empty: it opens among the game's
    // pictures, lists them among its places, and takes only a file that exists.
    void theDialogOffersTheGamesPictures() {
        const QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir("Pictures"));
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        // As in the game, Qt's dialogs keep no history from run to run.
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, "/dev/null");
        const FileChooser choose = systemFileChooser();
        QString opened;
        QStringList places;
        bool refused = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            opened = dialog->directory().absolutePath();
            for (const QUrl& place : dialog->sidebarUrls())
                places << place.toLocalFile();
            // A name that is no file brings up a warning instead of closing the dialog.
            QTimer::singleShot(0, [&] {
                refused = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QApplication::activeModalWidget()->close();
            });
            dialog->selectFile(home.filePath("none.jpg"));
            static_cast<QDialog*>(dialog)->accept();
            dialog->reject();
        });
        const QString chosen = choose(nullptr, "Select A Pic", pictureFilters());
        qputenv("HOME", realHome);
        QCOMPARE(chosen, QString());
        QVERIFY(refused);
        QCOMPARE(opened, gamePicturesFolder());
        QVERIFY(places.contains(gamePicturesFolder()) &&
                places.contains(home.filePath("Pictures")));
    }

    // The game's own pictures: six JPEGs or more, large enough for sharp tiles on a 3x screen,
    // and on a 5x5 board no two tiles alike.
    void theGamesPicturesMakeGoodPuzzles() {
        const QDir folder(gamePicturesFolder());
        const QStringList names = folder.entryList({"*.jpg"}, QDir::Files);
        QVERIFY2(names.size() >= 6, qPrintable(folder.path()));
        for (const QString& name : names) {
            QImageReader reader(folder.filePath(name));
            QVERIFY(reader.format() == "jpeg" && reader.size().width() >= 1600 &&
                    reader.size().height() >= 1240);
            // Every tile shrunk to 4x4 pixels; two tiles differ where a pixel differs plainly.
            const QImage tiles =
                reader.read().scaled(20, 20, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            for (int a = 0; a < 25; ++a)
                for (int b = a + 1; b < 25; ++b) {
                    int difference = 0;
                    for (int pixel = 0; pixel < 16; ++pixel) {
                        const QPoint at(pixel % 4, pixel / 4);
                        const QColor p = tiles.pixelColor(at + QPoint(a % 5, a / 5) * 4);
                        const QColor q = tiles.pixelColor(at + QPoint(b % 5, b / 5) * 4);
                        difference = std::max(difference, std::abs(p.red() - q.red()) +
                                                              std::abs(p.green() - q.green()) +
                                                              std::abs(p.blue() - q.blue()));
                    }
                    QVERIFY2(
                        difference > 60,
                        qPrintable(
                            QString("%1: tiles %2 and %3 look alike").arg(name).arg(a).arg(b)));
                }
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
