#include "board/tile.h"
#include "board/tileimage.h"
#include "mainwindowfixture.h"
#include "pictures/frmpic.h"
#include "settings/frmcolor.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>

class tst_looks : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("cells.png"));
    QString notes = dir.filePath(QStringLiteral("notes.jpg"));

    static QRgb cellColor(int cell) { return QColor::fromHsv(cell * 40, 255, 255).rgb(); }
    static QRgb colorOf(QWidget* tile) {
        return tile->grab().toImage().pixel(tile->rect().center());
    }
    static bool shows(const MainWindowFixture& g, int slot, bool grid, bool numbers) {
        const Tile* tile = g.view(slot)->cell(0);
        return tile->borderShown() == grid && tile->number()->isHidden() != numbers;
    }

private slots:
    // A picture of 3 x 3 cells in distinct colours, twice as wide as high, and a file that only
    // claims to be one.
    void initTestCase() {
        QImage cells(3, 3, QImage::Format_RGB32);
        for (int c = 0; c < 9; ++c)
            cells.setPixel(c % 3, c / 3, cellColor(c));
        QVERIFY(cells.scaled(600, 300).save(picture));
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("these are no pixels") > 0);
    }

    void storedOptionsComeBackAndTogglesActOnEveryBoard_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<bool>("numbers");
        QTest::addColumn<bool>("autoScramble");
        QTest::newRow("first run") << "" << true << false << false;
        QTest::newRow("1s") << "Gridvalue=1 Numvalue=0 Enable=1" << false << true << true;
        QTest::newRow("letter case") << "GRIDVALUE=1 NumValue=0" << false << true << false;
        QTest::newRow("7") << "Gridvalue=7" << true << false << false;
        QTest::newRow("damaged") << "Gridvalue=x Numvalue=1.5" << true << false << false;
    }

    // The options come back from the store and leave again valid, flipped by N and G.
    void storedOptionsComeBackAndTogglesActOnEveryBoard() {
        QFETCH(QString, stored);
        QFETCH(bool, grid);
        QFETCH(bool, numbers);
        QFETCH(bool, autoScramble);
        MainWindowFixture g;
        for (const QString& p : stored.split(' ', Qt::SkipEmptyParts))
            g.store.SaveSetting("quadrello", "Options", p.section('=', 0, 0), p.section('=', 1));
        g.open();
        for (int slot = 0; slot < kSlotCount; ++slot)
            QVERIFY(shows(g, slot, grid, numbers));
        QCOMPARE(g.find<QCheckBox>("chkauto")->isChecked(), autoScramble);
        g.press(g.view(), Qt::Key_N);
        g.press(Qt::Key_G);
        for (int slot = 0; slot < kSlotCount; ++slot)
            QVERIFY(shows(g, slot, !grid, !numbers));
        g.window->close();
        QCOMPARE(g.store.GetSetting("quadrello", "options", "gridvalue", ""), grid ? "1" : "0");
        QCOMPARE(g.store.GetSetting("quadrello", "options", "numvalue", ""), numbers ? "1" : "0");
    }

    void coloursWindowAppliesSavesAndRestores() {
        OpenMainWindow g;
        g.colorAnswers << QColor(0, 0, 255) << QColor(10, 20, 30) << QColor(1, 2, 3);
        for (const char* button : {"cmdclr", "cmdcolnum", "cmdcolbox", "cmdcolok"})
            g.click(button);
        QCOMPARE(g.store.GetSetting("quadrello", "color", "numcolor", ""), "16711680");
        // Applied on every board, also those not shown.
        QCOMPARE(g.view(kSlot5x5)->emptyBox()->background(), QColor(10, 20, 30));
        for (const char* button : {"cmdclr", "cmdcolbk", "cmdcolcancel"})
            g.click(button);
        QCOMPARE(g.window->colorWindow()->bkColor(), 11310476);
        for (const char* button : {"cmdclr", "cmddefault", "cmdcolok"})
            g.click(button);
        QCOMPARE(g.store.GetSetting("quadrello", "color", "numcolor", ""), "128");
        QCOMPARE(g.view()->emptyBox()->background(), QColor(140, 149, 172));
        // The check box sits on the panel in the same colour, right of its caption.
        auto* box = g.find<QCheckBox>("chkauto");
        QCOMPARE(box->grab().toImage().pixelColor(box->width() - 1, 0), QColor(140, 149, 172));
    }

    void aLoadedPictureShowsOnTheTilesAndInThePreview() {
        OpenMainWindow g;
        g.press(g.view(), Qt::Key_S);
        g.window->TimeMoveUpdate(); // a counted move starts the clock
        // A cancelled dialog or a file that is no picture changes nothing but stops the clock.
        for (const QString& answer : {QString(), notes}) {
            g.fileAnswers.enqueue(answer);
            g.find<QAction>("Mnuload")->trigger();
            QVERIFY(!g.ticking());
            g.window->TimeMoveUpdate();
        }
        QCOMPARE(g.window->counters(kSlot4x4).moves, 3);
        QVERIFY(g.view()->cell(0)->image()->picture().isNull());
        const auto arrangement = g.window->board(kSlot4x4).positions();
        g.choose(kSlot3x3);
        g.find<QCheckBox>("chkauto")->setChecked(true);
        g.fileAnswers.enqueue(picture);
        g.click("cmdpic");
        // Auto-scramble starts a game on the shown board only.
        QVERIFY(!g.window->board(kSlot3x3).isSolved());
        QCOMPARE(g.window->board(kSlot4x4).positions(), arrangement);
        for (int tile = 0; tile < 8; ++tile)
            QCOMPARE(colorOf(g.view(kSlot3x3)->cell(tile)), cellColor(tile));
        // The 4x4 tiles cut the same picture at their own cell edges.
        QCOMPARE(colorOf(g.view()->cell(0)), cellColor(0));
        QCOMPARE(colorOf(g.view()->cell(14)), cellColor(7));
        // ViewPic shows the picture while any button holds it down.
        QTest::mousePress(g.button("cmdviewpic"), Qt::RightButton);
        QVERIFY(g.window->previewWindow()->isVisible());
        QTest::mouseRelease(g.button("cmdviewpic"), Qt::RightButton);
        QVERIFY(!g.window->previewWindow()->isVisible());
        QCOMPARE(QApplication::focusWidget(), g.view(kSlot3x3));
        // UnSorted marks the misplaced tiles of the game in play; OK takes the marks away.
        g.click("cmdunsorted");
        for (int tile = 0; tile < 8; ++tile)
            QCOMPARE(g.view(kSlot3x3)->isMarked(tile), !g.window->board(kSlot3x3).isAtHome(tile));
        g.click("cmdunsorted");
        for (int tile = 0; tile < 8; ++tile)
            QVERIFY(!g.view(kSlot3x3)->isMarked(tile));
        g.press(Qt::Key_H);
        g.click("cmdunsorted"); // nothing to mark while halted
        QCOMPARE(g.button("cmdunsorted")->text(), QStringLiteral("UnSorted"));
    }
};

QTEST_MAIN(tst_looks)
#include "tst_looks.moc"
