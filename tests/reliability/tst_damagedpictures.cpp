#include "app/frmmain.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "board/tileimage.h"
#include "reliability/damagedpictures.h"
#include "reliability/invariants.h"
#include "reliability/quietwarnings.h"
#include "reliability/scratchfolder.h"
#include "reliability/testgame.h"
#include "reliability/workload.h"
#include "settings/memorysettingsstore.h"
#include "settings/pictureloader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A decoder that takes this long on a picture of a few kilobytes has hung.
constexpr qint64 kHangMs = 20000;

QString written(const QTemporaryDir& folder, const DamagedPicture& picture) {
    const QString path = folder.filePath(picture.fileName);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(picture.content) < 0)
        return {};
    return path;
}

// Everything a failed load must leave as it was.
struct Shown {
    std::vector<std::vector<CellPos>> boards;
    std::vector<std::array<qint16, 3>> counters;
    std::vector<qint64> pictures;
    qint64 sample = 0;
    QString buttons;

    bool operator==(const Shown&) const = default;
};

Shown shown(frmmain& window) {
    Shown s;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        s.boards.push_back(window.board(slot).positions());
        const GameCounters& c = window.counters(slot);
        s.counters.push_back({c.seconds, c.moves, c.scrambled});
        s.pictures.push_back(window.boardView(slot)->cell(0)->image()->picture().cacheKey());
    }
    s.sample = window.findChild<QLabel*>(QStringLiteral("imgsam"))->pixmap().cacheKey();
    for (QPushButton* b : window.findChildren<QPushButton*>())
        s.buttons += b->objectName() + (b->isEnabled() ? u'+' : u'-') + b->text() + u' ';
    for (const char* label : {"lblnummov", "lbltimer"})
        s.buttons += window.findChild<QLabel*>(QLatin1String(label))->text() + u' ';
    return s;
}

} // namespace

class tst_damagedpictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { dropWarnings(); }
    void theUndamagedPicturesDecode_data();
    void theUndamagedPicturesDecode();
    void damagedPicturesNeitherCrashNorHang();
    void aFileThatDoesNotDecodeChangesNothing();
};

void tst_damagedpictures::theUndamagedPicturesDecode_data() {
    QTest::addColumn<QByteArray>("format");
    for (const char* format : {"jpg", "bmp", "gif", "png"})
        QTest::newRow(format) << QByteArray(format);
}

// The damage starts from these, so each must be a real picture of its format.
void tst_damagedpictures::theUndamagedPicturesDecode() {
    QFETCH(QByteArray, format);
    QTemporaryDir folder(scratchPattern());
    const QString path = written(
        folder, {QString(), QStringLiteral("sound.") + format, soundPicture(format.constData())});
    const std::optional<PictureImages> images = decodePicture(path, 1.0);
    QVERIFY(images);
    QCOMPARE(images->board.size(), PictureBoardSize);
    QVERIFY(!images->board.isNull());
}

void tst_damagedpictures::damagedPicturesNeitherCrashNorHang() {
    const int files = workload(4000, 1000);
    QTemporaryDir folder(scratchPattern());
    int decoded = 0;
    qint64 slowest = 0;
    QString slowestWhat;
    for (int n = 0; n < files; ++n) {
        const unsigned seed = unsigned(n);
        const DamagedPicture picture = damagedPicture(seed);
        const QString path = written(folder, picture);
        QVERIFY(!path.isEmpty());
        QElapsedTimer timer;
        timer.start();
        const std::optional<PictureImages> images = decodePicture(path, n % 5 ? 1.0 : 2.0);
        const qint64 ms = timer.elapsed();
        const QString what =
            QStringLiteral("seed %1, %2 (%3)").arg(seed).arg(picture.fileName, picture.damage);
        QVERIFY2(ms < kHangMs, qPrintable(what + QStringLiteral(" hangs")));
        if (ms > slowest) {
            slowest = ms;
            slowestWhat = what;
        }
        if (images) {
            ++decoded;
            QVERIFY2(!images->board.isNull() && !images->board3x3.isNull() &&
                         !images->sample.isNull(),
                     qPrintable(what));
        }
    }
    qInfo("%d damaged pictures, %d still decoded; slowest %lld ms: %s", files, decoded, slowest,
          qPrintable(slowestWhat));
}

// A load that fails leaves the boards, the counters, the labels and the buttons as they were;
// only the clocks stop.
void tst_damagedpictures::aFileThatDoesNotDecodeChangesNothing() {
    const int files = workload(800, 200);
    QTemporaryDir folder(scratchPattern());
    MemorySettingsStore store;
    TestGame game(store, 7);
    frmmain& window = game.window();
    game.files().enqueue(
        written(folder, {QString(), QStringLiteral("sound.png"), soundPicture("png")}));
    window.LoadPic();
    QVERIFY(window.findChild<QPushButton*>(QStringLiteral("cmdviewpic"))->isEnabled());
    QVERIFY(game.play().isEmpty());
    int refused = 0;
    for (int n = 0; n < files; ++n) {
        const unsigned seed = 50000u + unsigned(n);
        const DamagedPicture picture = damagedPicture(seed);
        const QString path = written(folder, picture);
        const bool decodes = decodePicture(path, window.devicePixelRatioF()).has_value();
        const Shown before = shown(window);
        game.files().enqueue(path);
        window.LoadPic();
        const QString what =
            QStringLiteral("seed %1, %2 (%3)").arg(seed).arg(picture.fileName, picture.damage);
        QVERIFY2(windowFault(window).isEmpty(), qPrintable(what));
        if (!decodes) {
            ++refused;
            QVERIFY2(shown(window) == before,
                     qPrintable(what + QStringLiteral(" changed the game")));
        }
        QVERIFY(game.files().isEmpty());
    }
    qInfo("%d damaged pictures offered to the main window, %d refused", files, refused);
    QVERIFY(refused > 0);
}

QTEST_MAIN(tst_damagedpictures)
#include "tst_damagedpictures.moc"
