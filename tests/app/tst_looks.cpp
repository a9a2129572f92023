#include "board/boardview.h"
#include "board/tile.h"
#include "board/tileimage.h"
#include "mainwindowfixture.h"
#include "settings/frmcolor.h"
#include "settings/frmpic.h"

#include <QCheckBox>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using Stored = QList<std::pair<QString, QString>>;

namespace {
struct Game : MainWindowFixture {
    explicit Game(const Stored& stored = {}) {
        for (const auto& [key, value] : stored)
            store.SaveSetting("quadrello", key.section('/', 0, 0), key.section('/', 1), value);
        store.clearLog();
        open();
    }
    QString caption(const char* name) const { return find<QAbstractButton>(name)->text(); }
    bool numbersShown(int slot) const {
        return !window->boardView(slot)->cell(0)->number()->isHidden();
    }
    bool gridShown(int slot) const { return window->boardView(slot)->cell(0)->borderShown(); }
    QRgb tileColorAt(int slot, int tile) const {
        Tile* t = window->boardView(slot)->cell(tile);
        return t->grab().toImage().pixel(t->width() / 2, t->height() * 3 / 4);
    }
};

QRgb cellColor(int cell) {
    return QColor::fromHsv(cell * 40, 255, 255).rgb();
}

// A picture of 3 x 3 cells in distinct colours, twice as wide as high.
QString writeCellPicture(const QTemporaryDir& dir) {
    QImage image(600, 300, QImage::Format_RGB32);
    for (int c = 0; c < 9; ++c) {
        const QRect cell((c % 3) * 200, (c / 3) * 100, 200, 100);
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                image.setPixelColor(x, y, cellColor(c));
    }
    const QString path = dir.filePath(QStringLiteral("cells.png"));
    QImageWriter(path).write(image);
    return path;
}
} // namespace

class tst_looks : public QObject {
    Q_OBJECT
private slots:
    void storedOptionsComeBack_data();
    void storedOptionsComeBack();
    void togglesActOnAllThreeBoards();
    void coloursWindowAppliesSavesAndRestores();
    void loadingPutsEachPieceOnItsTile();
    void aFailedLoadChangesNothing_data();
    void aFailedLoadChangesNothing();
    void viewPicShowsThePictureWhileHeld();
    void unsortedMarksOnlyMisplacedTiles();
};

void tst_looks::storedOptionsComeBack_data() {
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("numbers");
    QTest::addColumn<bool>("autoScramble");
    QTest::addColumn<QString>("gridSaved");
    using L = Stored;
    QTest::newRow("first run") << L{} << true << false << false << "0";
    QTest::newRow("hidden grid, numbers, auto")
        << L{{"options/Gridvalue", "1"}, {"options/Numvalue", "0"}, {"options/Enable", "1"}}
        << false << true << true << "1";
    QTest::newRow("other letter case") << L{{"OPTIONS/GRIDVALUE", "1"}, {"Options/NUMVALUE", "0"}}
                                       << false << true << false << "1";
    QTest::newRow("a 7 shows the grid")
        << L{{"options/Gridvalue", "7"}} << true << false << false << "0";
    QTest::newRow("damaged values") << L{{"options/Gridvalue", "x"}, {"options/Numvalue", "1.5"}}
                                    << true << false << false << "0";
}

void tst_looks::storedOptionsComeBack() {
    QFETCH(Stored, stored);
    QFETCH(bool, grid);
    QFETCH(bool, numbers);
    QFETCH(bool, autoScramble);
    QFETCH(QString, gridSaved);
    Game g(stored);
    QCOMPARE(g.caption("cmdgrid"), grid ? QStringLiteral("Grid ON") : QStringLiteral("Grid OFF"));
    QCOMPARE(g.caption("cmdnum"),
             numbers ? QStringLiteral("Numbered") : QStringLiteral("UN-Numbered"));
    QCOMPARE(g.find<QCheckBox>("chkauto")->isChecked(), autoScramble);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        QCOMPARE(g.gridShown(slot), grid);
        QCOMPARE(g.numbersShown(slot), numbers);
        QVERIFY(g.window->boardView(slot)->emptyBox()->borderShown());
    }
    g.window->close();
    QCOMPARE(g.store.GetSetting("quadrello", "options", "gridvalue", ""), gridSaved);
    QCOMPARE(g.store.GetSetting("quadrello", "options", "numvalue", ""),
             numbers ? QStringLiteral("0") : QStringLiteral("1"));
}

void tst_looks::togglesActOnAllThreeBoards() {
    Game g;
    g.press(g.window->boardView(kSlot4x4), Qt::Key_N);
    g.click("cmdgrid");
    for (int slot = 0; slot < kSlotCount; ++slot) {
        QVERIFY(g.numbersShown(slot));
        QVERIFY(!g.gridShown(slot));
    }
    QCOMPARE(QApplication::focusWidget(), g.window->boardView(kSlot4x4));
    g.press(Qt::Key_N);
    g.press(Qt::Key_G);
    QVERIFY(!g.numbersShown(kSlot3x3));
    QVERIFY(g.gridShown(kSlot5x5));
    QCOMPARE(g.caption("cmdnum"), QStringLiteral("UN-Numbered"));
}

void tst_looks::coloursWindowAppliesSavesAndRestores() {
    Game g;
    frmcolor* colors = g.window->colorWindow();
    QVERIFY(colors && !colors->isVisible());
    const auto change = [&](const char* button, QColor color) {
        g.colorAnswers.enqueue(color);
        QTest::mouseClick(colors->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    };
    const auto press = [&](const char* button) {
        QTest::mouseClick(colors->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    };
    g.click("cmdclr");
    QVERIFY(colors->isVisible());
    change("cmdcolnum", QColor(0, 0, 255));
    change("cmdcolbox", QColor(10, 20, 30));
    press("cmdcolok");
    QVERIFY(!colors->isVisible());
    QCOMPARE(g.colorTitles.first(), QStringLiteral("Select a Color"));
    QCOMPARE(g.store.GetSetting("quadrello", "color", "numcolor", ""), QStringLiteral("16711680"));
    QCOMPARE(g.store.GetSetting("quadrello", "color", "boxcolor", ""), QStringLiteral("1971210"));
    // Applied on every board, also those not shown.
    QCOMPARE(
        g.window->boardView(kSlot3x3)->cell(0)->number()->palette().color(QPalette::WindowText),
        QColor(0, 0, 255));
    QCOMPARE(g.window->boardView(kSlot5x5)->emptyBox()->background(), QColor(10, 20, 30));

    g.click("cmdclr");
    change("cmdcolbk", QColor(1, 2, 3));
    press("cmdcolcancel");
    QCOMPARE(colors->bkColor(), 11310476);
    g.click("cmdclr");
    press("cmddefault");
    press("cmdcolok");
    QCOMPARE(g.store.GetSetting("quadrello", "color", "numcolor", ""), QStringLiteral("128"));
    QCOMPARE(g.window->boardView(kSlot4x4)->emptyBox()->background(), QColor(140, 149, 172));
}

void tst_looks::loadingPutsEachPieceOnItsTile() {
    Game g;
    QTemporaryDir dir;
    g.choose(kSlot3x3);
    g.press(Qt::Key_S);
    g.press(Qt::Key_Right);
    g.press(Qt::Key_Down);
    g.find<QCheckBox>("chkauto")->setChecked(true);
    g.fileAnswers.enqueue(writeCellPicture(dir));
    g.click("cmdpic");
    QCOMPARE(g.fileTitles.first(), QStringLiteral("Select A Pic"));
    QVERIFY(g.button("cmdviewpic")->isEnabled());
    // Auto-scramble restarted the shown game; the other boards kept their places.
    QCOMPARE(g.window->counters(kSlot3x3).moves, 0);
    QVERIFY(g.window->board(kSlot4x4).isSolved());
    for (int tile = 0; tile < 8; ++tile)
        QCOMPARE(g.tileColorAt(kSlot3x3, tile), cellColor(tile));
    // The 4x4 tiles cut the same picture at their own cell edges.
    QCOMPARE(g.tileColorAt(kSlot4x4, 0), cellColor(0));
    QCOMPARE(g.tileColorAt(kSlot4x4, 14), cellColor(7));
    QVERIFY(!g.find<QLabel>("imgsam")->pixmap().isNull());
}

void tst_looks::aFailedLoadChangesNothing_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("cancel") << QString();
    QTest::newRow("not a picture") << QStringLiteral("text");
}

void tst_looks::aFailedLoadChangesNothing() {
    QFETCH(QString, answer);
    Game g;
    QTemporaryDir dir;
    if (!answer.isEmpty()) {
        answer = dir.filePath(QStringLiteral("notes.jpg"));
        QFile file(answer);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("these are no pixels");
    }
    g.press(g.window->boardView(kSlot4x4), Qt::Key_S);
    g.window->TimeMoveUpdate();
    g.fileAnswers.enqueue(answer);
    g.find<QAction>("Mnuload")->trigger();
    QVERIFY(!g.window->clock(kSlot4x4)->isActive());
    QCOMPARE(g.window->counters(kSlot4x4).moves, 1);
    QVERIFY(!g.button("cmdviewpic")->isEnabled());
    QVERIFY(g.window->boardView(kSlot4x4)->cell(0)->image()->picture().isNull());
    g.window->TimeMoveUpdate();
    QVERIFY(g.window->clock(kSlot4x4)->isActive());
}

void tst_looks::viewPicShowsThePictureWhileHeld() {
    Game g;
    QTemporaryDir dir;
    QPushButton* viewPic = g.button("cmdviewpic");
    QTest::mousePress(viewPic, Qt::LeftButton);
    QVERIFY(!g.window->previewWindow()); // disabled until a picture is loaded
    g.fileAnswers.enqueue(writeCellPicture(dir));
    g.click("cmdpic");
    QTest::mousePress(viewPic, Qt::RightButton);
    QVERIFY(g.window->previewWindow()->isVisible());
    QTest::mouseRelease(viewPic, Qt::RightButton);
    QVERIFY(!g.window->previewWindow()->isVisible());
    QCOMPARE(QApplication::focusWidget(), g.window->boardView(kSlot4x4));
}

void tst_looks::unsortedMarksOnlyMisplacedTiles() {
    Game g;
    QPushButton* unsorted = g.button("cmdunsorted");
    g.press(g.window->boardView(kSlot4x4), Qt::Key_S);
    g.press(Qt::Key_T); // in order again: nothing to mark, and no game in progress
    g.press(Qt::Key_S);
    const Board& board = g.window->board(kSlot4x4);
    g.click("cmdunsorted");
    QCOMPARE(unsorted->text(), QStringLiteral("OK"));
    int marked = 0;
    for (int tile = 0; tile < 15; ++tile) {
        QCOMPARE(g.window->boardView(kSlot4x4)->isMarked(tile), !board.isAtHome(tile));
        marked += board.isAtHome(tile) ? 0 : 1;
    }
    QVERIFY(marked > 0);
    g.click("cmdunsorted");
    QCOMPARE(unsorted->text(), QStringLiteral("UnSorted"));
    for (int tile = 0; tile < 15; ++tile)
        QVERIFY(!g.window->boardView(kSlot4x4)->isMarked(tile));
    g.press(Qt::Key_H);
    g.click("cmdunsorted");
    QCOMPARE(unsorted->text(), QStringLiteral("UnSorted"));
}

QTEST_MAIN(tst_looks)
#include "tst_looks.moc"
