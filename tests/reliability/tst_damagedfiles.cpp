// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Damaged files the game reads: settings files and pictures as a crash, a bad disk, a broken
// download, a hostile sender or a curious player may leave them, by the hundred or thousand,
// each made from its seed alone so that a failing one can be made again.
#include "app/mainwindowfixture.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "board/tileimage.h"
#include "pictures/pictureloader.h"
#include "reliability/stressgame.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"
#include "support/boardtext.h"
#include "support/heiffile.h"

#include <QBuffer>
#include <QCheckBox>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <random>
#include <tuple>
#include <zlib.h>

namespace {

// Whole numbers from 0 to bound - 1 (0 when bound is 0), the same from run to run.
struct Dice {
    std::mt19937 engine;
    int operator()(qsizetype bound) { return bound > 0 ? int(engine() % bound) : 0; }
};

// Values a hand, a foreign program or a bad disk may leave where the game keeps a number or a
// name, separated by '|'.
const QByteArrayList kOddValues =
    QByteArray("0|1|-1|7|128|16777215|16777216|-16777216|32767|32768|-32769|65535|2147483648|"
               "99999999999999999999999| 12 |+3|-0|1.0|1e3|0x10|010|abc||\"1\"|\" Ada\"|a,b|"
               "@Invalid()|@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)|@ByteArray(12)|\xef\xbc\x91|"
               "\xff\xfe|\xc3\x28|1\\n2|\\x31")
        .split('|');

// A settings file as a crash, a bad disk or a curious player may leave it, made from its seed
// alone. It follows the layout the game writes, but now and then a name is left out, given
// again in other letter cases or under a section of another spelling, and half the values come
// from the list above. Then seed % 4 chooses the damage: none more, cut short, a few bytes here
// and there read back as a run of zeros (a bad sector), or bytes that are not UTF-8.
QByteArray damagedSettings(unsigned seed) {
    Dice below{std::mt19937(seed)};
    const auto respelled = [&](QByteArray name, bool always) {
        for (char& c : name)
            c = char(std::isalpha(static_cast<unsigned char>(c)) && always && below(2) ? c ^ 0x20
                                                                                       : c);
        return name;
    };
    QByteArrayList names{"[options]", "Gridvalue", "Numvalue", "Enable",
                         "[color]",   "NumColor",  "BkColor",  "BoxColor"};
    for (int s = 0; s < 3; ++s) {
        names << "[Scores" + QByteArray::number(s) + ']';
        for (int i = 0; i < 10; ++i)
            names << "top" + QByteArray::number(i) << "Nam" + QByteArray::number(i);
    }
    QByteArray b, section;
    for (const QByteArray& name : std::as_const(names)) {
        if (name.startsWith('[')) {
            b += (section = name) + '\n';
            continue;
        }
        if (below(20) == 0)
            b += respelled(section, true) + '\n';
        for (int copy = 0, copies = below(10) ? 1 : below(3); copy < copies; ++copy)
            b +=
                respelled(name, copy > 0) + '=' +
                (below(2) ? QByteArray::number(below(300)) : kOddValues[below(kOddValues.size())]) +
                '\n';
    }
    for (int i = 0; seed % 4 > 1 && i < 8; ++i) {
        const int at = below(b.size());
        seed % 4 == 2 ? void(b.replace(at, 1 + below(4), QByteArray(4, '\0')))
                      : void(b.insert(at, below(2) ? "\xc0\xaf" : "\xfe"));
    }
    if (seed % 4 == 1)
        b.truncate(below(b.size()));
    return b;
}

// What the game is documented to make of a settings file, worked out from the file alone (and
// so able to disagree with the game): the options, the colours, then the results. The rules, as
// the README states them:
// - Section and key names match without regard to case; of several spellings of one name the
//   first by code point ("NumColor" before "numcolor") wins.
// - A number is decimal digits with an optional sign and surrounding blanks.
// - "Gridvalue" hides the grid lines when it is the number 1. "Numvalue" hides the tile numbers
//   when it is 1 or not a 16-bit number. "Enable" checks auto-scramble when it is a 16-bit
//   number other than 0.
// - A colour is a number from 0 to 16777215; anything else gives that colour's default.
// - A "top" entry is a result when it is a number from 1 to 32767, otherwise unused. A "Nam"
//   entry is any text; when absent it is " None".
QStringList documentedReadings(const QString& path) {
    // QSettings answers from its memory of a file it has read before, even with changes it
    // failed to write; a copy under a new name is read from the disk.
    QTemporaryDir folder;
    QFile::copy(path, folder.filePath("copy.conf"));
    QSettings file(folder.filePath("copy.conf"), QSettings::IniFormat);
    // Sorted by code point, the first spelling of a section, and then of a key in it, comes
    // first. Values are kept under lower-case "section/key" names.
    QStringList keys = file.allKeys();
    keys.sort();
    QHash<QString, QString> section;
    QHash<QString, QString> stored;
    for (const QString& key : std::as_const(keys)) {
        const QStringList parts = key.split(u'/');
        if (parts.size() > 1 && !section.contains(parts[0].toLower()))
            section[parts[0].toLower()] = parts[0];
        if (parts.size() != 2 || section[parts[0].toLower()] != parts[0] ||
            stored.contains(key.toLower()))
            continue;
        const QVariant v = file.value(key); // an unquoted value with commas reads as a list
        stored[key.toLower()] = v.metaType().id() == QMetaType::QStringList
                                    ? v.toStringList().join(", ")
                                    : v.toString();
    }
    const auto number = [&](const QString& name, qint64 low, qint64 high) {
        static const QRegularExpression plain("^\\s*([+-]?[0-9]+)\\s*$");
        const QRegularExpressionMatch m = plain.match(stored.value(name));
        bool ok = false;
        const qint64 n = m.hasMatch() ? m.captured(1).toLongLong(&ok) : 0;
        return ok && n >= low && n <= high ? std::optional(n) : std::nullopt;
    };
    QStringList r{QString::number(number("options/gridvalue", -32768, 32767) == 1),
                  QString::number(number("options/numvalue", -32768, 32767).value_or(1) == 1),
                  QString::number(number("options/enable", -32768, 32767).value_or(0) != 0),
                  QString::number(number("color/numcolor", 0, 16777215).value_or(128)),
                  QString::number(number("color/bkcolor", 0, 16777215).value_or(11310476)),
                  QString::number(number("color/boxcolor", 0, 16777215).value_or(11310476))};
    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < 10; ++i) {
            const QString entry = QString("scores%1/%2%3").arg(s);
            r << QString::number(number(entry.arg("top").arg(i), 1, 32767).value_or(0)) + ' ' +
                     stored.value(entry.arg("nam").arg(i), " None");
        }
    }
    return r;
}

// The same, as the game is using it.
QStringList gameReadings(const frmmain& window) {
    const Tile* tile = window.boardView(kSlot4x4)->cell(0);
    const frmcolor* colors = window.colorWindow();
    QStringList r{QString::number(!tile->borderShown()),
                  QString::number(!tile->number()->isVisibleTo(tile)),
                  QString::number(window.findChild<QCheckBox*>("chkauto")->isChecked())};
    for (const qint32 color : {colors->numColor(), colors->bkColor(), colors->boxColor()})
        r << QString::number(color);
    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < 10; ++i) {
            const ScoreEntry& e = window.scoreTables().table(s).entry(i);
            r << QString::number(e.moves) + ' ' + e.name;
        }
    }
    return r;
}

const QByteArray kFormats[] = {"jpg", "bmp", "gif", "png", "heic", "avif", "webp", "tiff"};
// Where each format keeps its width and height, in how many bytes: a JPEG from the start of its
// frame header, HEIC and AVIF from their image size box, a GIF twice (for the screen, then for
// the image).
const std::tuple<QByteArray, int, int, bool> kFields[] = {
    {"bmp", 18, 4, true}, {"bmp", 22, 4, false}, {"gif", 6, 2, true},  {"gif", 8, 2, false},
    {"gif", 30, 2, true}, {"gif", 32, 2, false}, {"png", 16, 4, true}, {"png", 20, 4, false},
    {"jpg", 7, 2, true},  {"jpg", 5, 2, false},  {"heic", 8, 4, true}, {"heic", 12, 4, false},
    {"avif", 8, 4, true}, {"avif", 12, 4, false}};

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
// its seed alone: seed % 8 chooses the format, seed / 8 % 5 the damage to its sound picture:
// bits flipped, cut short, absurd dimensions in its headers (and perhaps cut short), empty, or
// text instead.
QByteArray damagedPicture(unsigned seed) {
    Dice below{std::mt19937(seed)};
    const QByteArray& format = kFormats[seed % std::size(kFormats)];
    QByteArray b = soundPicture(format);
    switch (seed / std::size(kFormats) % 5) {
    case 0:
        for (int flips = 1 + below(24); flips > 0; --flips) {
            const int at = below(b.size());
            b[at] = char(b[at] ^ (1 << below(8)));
        }
        break;
    case 2: {
        static constexpr quint32 kSizes[][2] = {
            {60000, 60000}, {65535, 1}, {1, 65535}, {16384, 16384}, {0, 0}};
        const quint32* size = kSizes[below(std::size(kSizes))];
        const qsizetype base = format == "jpg"                        ? b.indexOf("\xff\xc0")
                               : format == "heic" || format == "avif" ? b.indexOf("ispe")
                                                                      : 0;
        for (const auto& [fieldFormat, offset, bytes, width] : kFields) {
            const bool bigEndian = format != "bmp" && format != "gif";
            for (int i = 0; format == fieldFormat && i < bytes; ++i)
                b[base + offset + (bigEndian ? bytes - 1 - i : i)] = char(size[!width] >> (8 * i));
        }
        // With a correct checksum the decoder believes the header.
        if (format == "png")
            qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(b.constData() + 12), 17)),
                         b.data() + 29);
        if (below(2))
            break;
        [[fallthrough]];
    }
    case 1:
        b.truncate(below(b.size()));
        break;
    case 3:
        b.clear();
        break;
    case 4:
        b = "This is not a picture.\n";
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
    // Damaged files make Qt and the decoders complain thousands of times, and Qt Test would stop
    // reporting after its two-thousandth message.
    void initTestCase() {
        QLoggingCategory::setFilterRules("*.warning=false\nqt.gui.imageio=false");
    }
    void everyDamagedSettingsFileStartsAndPlaysOnItsDocumentedReading();
    void aPictureThatDoesNotDecodeChangesNothing();
};

// The game starts on the documented reading of the file and plays; on exit it may write back
// the fallbacks of unusable values, but the reading stays the same.
void tst_damagedfiles::everyDamagedSettingsFileStartsAndPlaysOnItsDocumentedReading() {
    const int files = workload(1000, 200);
    int notDefaults = 0;
    for (unsigned seed = 1000; seed < 1000u + unsigned(files); ++seed) {
        const auto note = noteOnFailure(seed);
        // A folder of its own: QSettings would take a file of the same name, size and time
        // (to the kernel's clock tick) as the one it read before for that one.
        QTemporaryDir home;
        const QString path = home.filePath("quadrello.conf");
        QVERIFY(!written(path, damagedSettings(seed)).isEmpty());
        const QStringList expected = documentedReadings(path);
        notDefaults += expected != documentedReadings(QString());
        {
            QSettingsStore store(home.path());
            StoredGame game(store);
            QCOMPARE(gameReadings(game.window), expected);
            QCOMPARE(play(game.window), QString());
            game.window.close();
        }
        QCOMPARE(documentedReadings(path), expected);
    }
    qInfo("%d damaged settings files, %d not reading as the defaults", files, notDefaults);
}

// The decoders neither crash nor draw a sanitizer report, and a load that fails leaves the
// game as it was. The undamaged pictures must decode, or the damage would prove nothing.
void tst_damagedfiles::aPictureThatDoesNotDecodeChangesNothing() {
    const int files = workload(1000, 300);
    QTemporaryDir folder;
    for (const QByteArray& f : kFormats)
        QVERIFY(decodePicture(written(folder.filePath("sound." + f), soundPicture(f)), 1));
    MainWindowFixture game;
    game.open();
    game.fileAnswers << folder.filePath("sound.png");
    game.window->LoadPic();
    QVERIFY(game.button("cmdviewpic")->isEnabled());
    QCOMPARE(play(*game.window), QString());
    int refused = 0;
    for (unsigned seed = 0; seed < unsigned(files); ++seed) {
        const auto note = noteOnFailure(seed);
        const QString path =
            written(folder.filePath("picture." + kFormats[seed % std::size(kFormats)]),
                    damagedPicture(seed));
        const bool decodes = decodePicture(path, game.window->devicePixelRatioF()).has_value();
        const QString before = shown(*game.window);
        game.fileAnswers << path;
        game.window->LoadPic();
        QCOMPARE(windowFault(*game.window), QString());
        if (!decodes) {
            ++refused;
            QCOMPARE(shown(*game.window), before);
        }
    }
    qInfo("%d damaged pictures offered to the main window, %d refused", files, refused);
    QVERIFY(refused > 0 && refused < files);
}

QTEST_MAIN(tst_damagedfiles)
#include "tst_damagedfiles.moc"
