// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/tile.h"
#include "board/tileimage.h"
#include "mainwindowfixture.h"
#include "pictures/frmpic.h"
#include "settings/frmcolor.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

class tst_looks : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("cells.png"));
    QString notes = dir.filePath(QStringLiteral("notes.jpg"));
    QString mirrored = dir.filePath(QStringLiteral("mirrored.png"));

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
        QVERIFY(cells.mirrored(true, false).scaled(600, 300).save(mirrored));
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
        const QColor blue(0, 0, 255), box(10, 20, 30), back(1, 2, 3), design(140, 149, 172);
        g.colorAnswers << blue << box << back;
        g.play("cmdclr frmcolor.cmdcolnum frmcolor.cmdcolbox frmcolor.cmdcolbk frmcolor.cmdcolok");
        QCOMPARE(g.store.GetSetting("quadrello", "color", "numcolor", ""), "16711680");
        // The numbers of every board take the colour, hidden ones too, on no background.
        const auto numbers = g.window->findChildren<QLabel*>(QRegularExpression("^lbl\\d\\("));
        QCOMPARE(numbers.size(), 24 + 15 + 8);
        for (QLabel* number : numbers)
            QVERIFY(number->palette().color(QPalette::WindowText) == blue &&
                    !number->autoFillBackground());
        QCOMPARE(g.view(kSlot5x5)->emptyBox()->background(), box);
        // The background colours the window, the panel and the check box, and no button.
        for (const char* name : {"client", "fra1", "chkauto"})
            QCOMPARE(g.find(name)->palette().color(QPalette::Window), back);
        QVERIFY(g.find("pictime")->palette().color(QPalette::Window) != back &&
                g.find("cmdexit")->palette().color(QPalette::Button) != back);
        g.colorAnswers << QColor(7, 7, 7);
        g.play("cmdclr frmcolor.cmdcolbk frmcolor.cmdcolcancel");
        QCOMPARE(g.window->colorWindow()->bkColor(), 3 * 65536 + 2 * 256 + 1);
        g.play("cmdclr frmcolor.cmddefault frmcolor.cmdcolok");
        QCOMPARE(g.store.GetSetting("quadrello", "color", "numcolor", ""), "128");
        QCOMPARE(g.view()->emptyBox()->background(), design);
        // The check box sits on the panel in the same colour, right of its caption.
        auto* check = g.find<QCheckBox>("chkauto");
        QCOMPARE(check->grab().toImage().pixelColor(check->width() - 1, 0), design);
    }

    void aLoadedPictureShowsOnTheTilesAndInThePreview() {
        OpenMainWindow g;
        g.picture = notes; // no picture: nothing changes, but the clock stops
        g.play("S move load");
        g.expect("4x4=1/0/1 ticking= enabled=set,halt,unsorted");
        QVERIFY(g.view()->cell(0)->image()->picture().isNull());
        const auto arrangement = g.window->board(kSlot4x4).positions();
        g.picture = picture;
        g.play("3x3 chkauto load");
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
        // A later picture replaces the first everywhere and moves no tile.
        g.picture = mirrored;
        const auto scrambled = g.window->board(kSlot3x3).positions();
        g.play("chkauto load");
        QCOMPARE(g.window->board(kSlot3x3).positions(), scrambled);
        for (const char* name : {"imgsam", "imgpic"})
            QCOMPARE(g.find<QLabel>(name)->pixmap().toImage().pixel(0, 0), cellColor(2));
        QCOMPARE(colorOf(g.view(kSlot3x3)->cell(0)), cellColor(2));
        QCOMPARE(colorOf(g.view(kSlot5x5)->cell(0)), cellColor(2));
    }
};

QTEST_MAIN(tst_looks)
#include "tst_looks.moc"
