// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures as a broken download, a bad disk or a hostile sender may leave them, by the hundred,
// each made from its seed alone so that a failing one can be made again.
#include "app/mainwindowfixture.h"
#include "board/tileimage.h"
#include "pictures/pictureloader.h"
#include "reliability/stressgame.h"
#include "support/heiffile.h"

#include <QBuffer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <random>

namespace {

const QByteArray kFormats[] = {"jpg", "bmp", "gif", "png", "heic", "avif", "webp", "tiff"};

// A small undamaged picture of the format.
QByteArray soundPicture(const QByteArray& format) {
    // Qt reads GIF but cannot write it: an 8x6 picture in four colours, its LZW stream restarted
    // every two pixels so that each code stays three bits wide.
    if (format == "gif")
        return QByteArray::fromHex("47494638396108000600f10000000000ff000000ff000000ff2c00000000"
                                   "0800060000021c049850e2468009256e4c287123c08412370294b81160"
                                   "42891b012605003b");
    QImage image(64, 48, QImage::Format_RGB32);
    for (int i = 0; i < 64 * 48; ++i)
        image.setPixel(i % 64, i / 64, qRgb(i % 64 * 4, i / 64 * 5, (i % 64 + i / 64) * 2));
    if (format == "heic" || format == "avif")
        return heifFile(image, format == "avif");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, format == "jpg" ? "JPEG" : format.constData());
    return bytes;
}

// A picture file as a broken download, a bad disk or a hostile sender may leave it, made from
// its seed alone: seed % 8 chooses the format, seed / 8 % 3 the damage to its sound picture:
// bits flipped, cut short, or nothing but an empty file or a text. (A header claiming absurd
// dimensions is refused before decoding: see tst_pictures.)
QByteArray damagedPicture(unsigned seed) {
    std::mt19937 engine(seed);
    const QByteArray& format = kFormats[seed % std::size(kFormats)];
    QByteArray b = soundPicture(format);
    switch (seed / std::size(kFormats) % 3) {
    case 0:
        for (int flips = 1 + int(engine() % 24); flips > 0; --flips) {
            const int at = int(engine() % b.size());
            b[at] = char(b[at] ^ (1 << int(engine() % 8)));
        }
        break;
    case 1:
        b.truncate(int(engine() % b.size()));
        break;
    case 2:
        b = engine() % 2 ? QByteArray() : "This is not a picture.\n";
    }
    return b;
}

// Everything a failed load must leave as it was: boards and their pictures, counters, buttons.
QString shown(const frmmain& window) {
    QString s;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const GameCounters& c = window.counters(slot);
        s += boardToText(window.board(slot)) +
             QString::asprintf(" %d %d %d %lld;", c.seconds, c.moves, c.scrambled,
                               window.boardView(slot)->cell(0)->image()->picture().cacheKey());
    }
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>())
        s += b->objectName() + (b->isEnabled() ? '+' : '-') + b->text();
    return s;
}

} // namespace

class tst_damagedfiles : public QObject {
    Q_OBJECT
private slots:
    // The decoders neither crash nor draw a sanitizer report, and a load that fails leaves the
    // game as it was. The undamaged pictures must decode, or the damage would prove nothing.
    void aPictureThatDoesNotDecodeChangesNothing() {
        // Damaged files make Qt and the decoders complain thousands of times, and Qt Test would
        // stop reporting after its two-thousandth message.
        QLoggingCategory::setFilterRules("*.warning=false\nqt.gui.imageio=false");
        const unsigned files = 1000;
        QTemporaryDir folder;
        for (const QByteArray& f : kFormats)
            QVERIFY(decodePicture(written(folder.filePath("sound." + f), soundPicture(f)), 1));
        MainWindowFixture game;
        game.open();
        game.fileAnswers << folder.filePath("sound.png");
        game.window->LoadPic();
        QCOMPARE(play(*game.window), QString());
        unsigned refused = 0;
        for (unsigned seed = 0; seed < files; ++seed) {
            const QString path =
                written(folder.filePath("picture." + kFormats[seed % std::size(kFormats)]),
                        damagedPicture(seed));
            const bool decodes = decodePicture(path, game.window->devicePixelRatioF()).has_value();
            const QString before = shown(*game.window);
            game.fileAnswers << path;
            game.window->LoadPic();
            QVERIFY2(decodes || shown(*game.window) == before,
                     qPrintable(QString("seed %1 changed the game").arg(seed)));
            refused += !decodes;
        }
        qInfo("%u damaged pictures offered to the main window, %u refused", files, refused);
        QVERIFY(refused > 0 && refused < files);
    }
};

QTEST_MAIN(tst_damagedfiles)
#include "tst_damagedfiles.moc"
