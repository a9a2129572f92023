// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/tile.h"
#include "board/tileimage.h"
#include "mainwindowfixture.h"
#include "pictures/frmpic.h"
#include "reliability/stressgame.h"
#include "settings/colorvalue.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"

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
    // Grid lines, numbers and the auto box as letters (L, N, A or -), the colours of the numbers,
    // the background and the empty box, then three results as moves/name.
    static QString shown(const frmmain& w) {
        const auto look = [&](int slot) {
            const Tile* tile = w.boardView(slot)->cell(0);
            return QString(tile->borderShown() ? "L" : "-") +
                   (tile->number()->isVisibleTo(tile) ? "N" : "-");
        };
        QString r = look(kSlot4x4) + (w.findChild<QCheckBox*>("chkauto")->isChecked() ? "A" : "-");
        for (int slot = 0; slot < kSlotCount; ++slot)
            r += look(slot) == look(kSlot4x4) ? "" : " boards differ";
        const frmcolor* c = w.colorWindow();
        r += QString(" %1 %2 %3").arg(c->numColor()).arg(c->bkColor()).arg(c->boxColor());
        const BoardView* board = w.boardView(kSlot3x3);
        if (board->cell(0)->number()->palette().color(QPalette::WindowText) !=
                colorFromValue(c->numColor()) ||
            w.findChild<QWidget*>("client")->palette().color(QPalette::Window) !=
                colorFromValue(c->bkColor()) ||
            board->emptyBox()->background() != colorFromValue(c->boxColor()))
            r += " colours not shown";
        for (const auto& [table, index] : {std::pair(0, 0), std::pair(0, 1), std::pair(1, 0)}) {
            const ScoreEntry& e = w.scoreTables().table(table).entry(index);
            r += QString(" %1/%2").arg(e.moves).arg(e.name);
        }
        return r;
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
        QVERIFY(!written(notes, "these are no pixels").isEmpty());
    }

    void aSettingsFileReadsAsTheGameShowsIt_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reading");
        const QString defaults = "L-- 128 11310476 11310476 0/ None 0/ None 0/ None";
        QTest::newRow("an empty file is a first run") << QByteArray() << defaults;
        QTest::newRow("names in any case, the first spelling by code point")
            << QByteArray("[OPTIONS]\ngridVALUE=1\n[color]\nnumcolor=5\nNumColor=7\n"
                          "[scores0]\ntop0=12\nNam0=Bea\n[Scores0]\ntop0=13\n")
            << "--- 7 11310476 11310476 13/ None 0/ None 0/ None";
        QTest::newRow("a number with a sign and blanks")
            << QByteArray("[options]\nNumvalue=+3\nEnable=-1\n[color]\nBkColor=\" 4242 \"\n"
                          "BoxColor=+0\n[Scores0]\ntop0=\" +25 \"\nNam0=\" Ada\"\n")
            << "LNA 128 4242 0 25/ Ada 0/ None 0/ None";
        QTest::newRow("decimal 16-bit numbers only, and lines hide at 1 only")
            << QByteArray("[options]\nGridvalue=7\nNumvalue=40000\nEnable=65536\n[color]\n"
                          "NumColor=abc\nBkColor=1e3\nBoxColor=0x10\n[Scores0]\ntop0=1.0\n")
            << defaults;
        QTest::newRow("colours from 0 to 16777215")
            << QByteArray("[color]\nNumColor=16777216\nBkColor=-1\nBoxColor=16777215\n")
            << "L-- 128 11310476 16777215 0/ None 0/ None 0/ None";
        QTest::newRow("results from 1 to 32767 moves, names of any text")
            << QByteArray("[Scores0]\ntop0=32767\nNam0=a,b , c\ntop1=-5\nNam1=\"\"\n"
                          "[Scores1]\ntop0=65537\nNam0=Cy\n")
            << "L-- 128 11310476 11310476 32767/a, b, c 0/ 0/Cy";
        QTest::newRow("a bad sector")
            << QByteArrayLiteral("[color]\nNumColor=12\0\0\0\0"
                                 "7\nBkColor=99\n[Scores0]\ntop0=3276\0\0\0"
                                 "8\nNam0=Ada\n")
            << "L-- 128 99 11310476 0/Ada 0/ None 0/ None";
        QTest::newRow("a file cut short")
            << QByteArray("[options]\nGridvalue=1\nEnable=1\n[Scores0]\ntop0=20\nNam0=Ad")
            << "--A 128 11310476 11310476 20/Ad 0/ None 0/ None";
        // Names QSettings reads but writes back otherwise, or not at all; then a value in
        // QSettings' typed form too.
        QTest::newRow("nameless keys")
            << QByteArrayLiteral("[options]\nGridvalue=1\n\\\x05=\n[color]\nNumColor=7\n[\n=")
            << "--- 7 11310476 11310476 0/ None 0/ None 0/ None";
        QTest::newRow("random bytes")
            << QByteArrayLiteral("\\\x05=\n\x81=\"\"\0,\n[options]\nGridvalue=1\n"
                                 "[color]\nBkColor=@Variant(\0)\nNumColor=7\n")
            << "--- 7 11310476 11310476 0/ None 0/ None 0/ None";
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("[color]\nNumColor=\xc3\x28\nBkColor=5\n[Scores0]\ntop0=7\n"
                          "Nam0=Zo\xc3\xab\xfe\n")
            << QString("L-- 128 5 11310476 7/Zo\u00eb\ufffd 0/ None 0/ None");
    }

    // The game starts on what it reads, plays, and N and G flip the lines and numbers of every
    // board; what it saves on exit reads the same again, with those two flipped.
    void aSettingsFileReadsAsTheGameShowsIt() {
        QFETCH(QByteArray, file);
        QFETCH(QString, reading);
        QTemporaryDir home, later;
        QVERIFY(!written(home.filePath("quadrello.conf"), file).isEmpty());
        const QString flipped = QString(reading[0] == 'L' ? "-" : "L") +
                                (reading[1] == 'N' ? "-" : "N") + reading.mid(2);
        {
            QSettingsStore store(home.path());
            StoredGame game(store);
            QCOMPARE(shown(game.window), reading);
            QCOMPARE(play(game.window), QString());
            QTest::keyClicks(&game.window, "ng");
            QCOMPARE(shown(game.window), flipped);
            game.window.close();
        }
        // QSettings would answer from its memory of the file; a copy is read from the disk.
        QVERIFY(QFile::copy(home.filePath("quadrello.conf"), later.filePath("quadrello.conf")));
        QSettingsStore store(later.path());
        QCOMPARE(shown(StoredGame(store).window), flipped);
    }

    void coloursWindowAppliesSavesAndRestores() {
        OpenMainWindow g;
        const QColor blue(0, 0, 255), box(10, 20, 30), back(1, 2, 3), design(140, 149, 172);
        g.colorAnswers << blue << box << back;
        g.button("cmdexit")->setFocus();
        g.play("cmdclr frmcolor.cmdcolnum frmcolor.cmdcolbox frmcolor.cmdcolbk frmcolor.cmdcolok");
        QCOMPARE(g.store.GetSetting("quadrello", "color", "numcolor", ""), "16711680");
        g.expect("focus=picmod(1)");
        QVERIFY(!g.window->colorWindow()->isVisible());
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
        // Neither the file that is no picture nor the picture leaves the wait cursor behind.
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
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
