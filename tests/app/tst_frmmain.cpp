#include "app/frmmain.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "mainwindowfixture.h"
#include "windows/accessiblecontrols.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
struct Game : MainWindowFixture {
    Game() { open(); }
};
} // namespace

class tst_frmmain : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheSolved4x4Board();
    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void keysReachTheBoardWhicheverControlHasTheFocus_data();
    void keysReachTheBoardWhicheverControlHasTheFocus();
    void movesBeforeAScrambleAreNotCounted();
    void scrambledGameCountsMovesAndSeconds();
    void runningClockIsNotRestartedByAMove();
    void haltFreezesEverythingAndOnlyTheButtonResumes();
    void scrambleWhileHaltedLeavesResumeCaption();
    void setPutsTheBoardBackAndEndsTheGame();
    void scrambleReactsToAnyMouseButtonButNotToTheKeyboard();
    void optionsTogglesThePanelAndTheWidth();
    void shortcutItemsDoNothing();
    void everyControlHasAnAccessibleName();
};

void tst_frmmain::startsOnTheSolved4x4Board() {
    Game g;
    QCOMPARE(g.window->windowTitle(), QStringLiteral("Quadrello"));
    QCOMPARE(g.window->centralWidget()->size(), QSize(635, 438));
    QCOMPARE(g.window->activeSlot(), kSlot4x4);
    QVERIFY(!g.window->boardView(kSlot5x5)->isVisible());
    QVERIFY(!g.window->boardView(kSlot5x5)->isEnabled());
    QVERIFY(!g.window->boardView(kSlot3x3)->isVisible());
    QVERIFY(!g.window->boardView(kSlot3x3)->isEnabled());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        QVERIFY(g.window->board(slot).isSolved());
        QVERIFY(!g.window->clock(slot)->isActive());
        QCOMPARE(g.window->clock(slot)->interval(), 1000);
    }
    for (const char* name : {"cmdhalt", "cmdset", "cmdviewpic", "cmdunsorted"})
        QVERIFY2(!g.button(name)->isEnabled(), name);
    QCOMPARE(g.label("lblnummov"), QStringLiteral("0"));
    QCOMPARE(g.label("lbltimer"), QStringLiteral("0"));
    QVERIFY(g.find<QAction>("mnuoptions")->isChecked());
    QCOMPARE(g.find<Tile>("pic2(15)")->pos(), QPoint(315, 243));
    QCOMPARE(g.find<Tile>("pic2(6)")->pos(), QPoint(210, 81));
}

void tst_frmmain::controlsSitWhereTheyBelong_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("cmdpic") << "cmdpic" << QRect(16, 376, 65, 25) << "&Load Pic";
    QTest::newRow("cmdviewpic") << "cmdviewpic" << QRect(368, 376, 65, 25) << "ViewPic";
    QTest::newRow("cmdexit") << "cmdexit" << QRect(16, 408, 65, 25) << "E&xit";
    QTest::newRow("cmdunsorted") << "cmdunsorted" << QRect(88, 408, 65, 25) << "UnSorted";
    QTest::newRow("cmdscram") << "cmdscram" << QRect(160, 408, 129, 25) << "Scramble";
    QTest::newRow("cmdhalt") << "cmdhalt" << QRect(296, 408, 65, 25) << "Halt";
    QTest::newRow("cmdset") << "cmdset" << QRect(368, 408, 65, 25) << "Set";
    QTest::newRow("fra1") << "fra1" << QRect(448, 24, 185, 409) << "Options";
    QTest::newRow("cmdclr") << "cmdclr" << QRect(8, 32, 81, 57) << "Set &Color";
    QTest::newRow("cmdpfr") << "cmdpfr" << QRect(96, 32, 81, 57) << "&Preferences";
    QTest::newRow("chkauto") << "chkauto" << QRect(16, 168, 128, 17) << "Enable Auto Scramble";
    QTest::newRow("lblmoves") << "lblmoves" << QRect(0, 5, 60, 25) << "Moves :";
    QTest::newRow("lbltime") << "lbltime" << QRect(128, 5, 49, 25) << "Time :";
    QTest::newRow("picmod(1)") << "picmod(1)" << QRect(14, 38, 420, 324) << "";
    QTest::newRow("picmod(0)") << "picmod(0)" << QRect(14, 38, 420, 325) << "";
    QTest::newRow("pic1(24)") << "pic1(24)" << QRect(336, 260, 84, 65) << "";
    QTest::newRow("pic3(4)") << "pic3(4)" << QRect(140, 108, 140, 108) << "";
    QTest::newRow("lbl3(7)") << "lbl3(7)" << QRect(0, 10, 81, 41) << "   8";
    QTest::newRow("lbl2(14)") << "lbl2(14)" << QRect(0, 6, 49, 33) << "  15";
    QTest::newRow("lbl1(23)") << "lbl1(23)" << QRect(0, 6, 84, 65) << "  24";
}

void tst_frmmain::controlsSitWhereTheyBelong() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    Game g;
    auto* widget = g.window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto* b = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(b->text(), text);
    else if (auto* l = qobject_cast<QLabel*>(widget))
        QCOMPARE(l->text(), text);
    else if (auto* f = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(f->title(), text);
}

void tst_frmmain::keysReachTheBoardWhicheverControlHasTheFocus_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("board") << "picmod(1)";
    QTest::newRow("Load Pic") << "cmdpic";
    QTest::newRow("Scramble") << "cmdscram";
    QTest::newRow("Exit") << "cmdexit";
    QTest::newRow("auto scramble") << "chkauto";
}

void tst_frmmain::keysReachTheBoardWhicheverControlHasTheFocus() {
    QFETCH(QString, focus);
    Game g;
    g.press(g.window->findChild<QWidget*>(focus), Qt::Key_Right);
    QCOMPARE(g.window->board(kSlot4x4).position(14), (CellPos{3, 3}));
    QCOMPARE(g.window->board(kSlot4x4).position(15), (CellPos{2, 3}));
    QCOMPARE(g.find<Tile>("pic2(14)")->pos(), QPoint(315, 243));
    QCOMPARE(QApplication::focusWidget(), g.window->boardView(kSlot4x4));
    // Left and Up have nothing to move on the fresh board's right and bottom edges.
    g.press(Qt::Key_Left);
    g.press(Qt::Key_Left);
    g.press(Qt::Key_Up);
    QCOMPARE(g.window->board(kSlot4x4).position(15), (CellPos{3, 3}));
    QVERIFY(g.window->board(kSlot4x4).isSolved());
}

void tst_frmmain::movesBeforeAScrambleAreNotCounted() {
    Game g;
    g.press(g.window->boardView(kSlot4x4), Qt::Key_Right);
    g.press(Qt::Key_Down);
    QCOMPARE(g.label("lblnummov"), QStringLiteral("0"));
    QVERIFY(!g.window->clock(kSlot4x4)->isActive());
    QVERIFY(!g.button("cmdhalt")->isEnabled());
}

void tst_frmmain::scrambledGameCountsMovesAndSeconds() {
    Game g;
    g.press(g.button("cmdpic"), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!g.window->board(kSlot4x4).isSolved());
    QCOMPARE(g.window->counters(kSlot4x4).scrambled, 1);
    QVERIFY(g.button("cmdset")->isEnabled());
    QVERIFY(g.button("cmdunsorted")->isEnabled());
    QVERIFY(!g.window->clock(kSlot4x4)->isActive());
    // Whichever way is open, one key of the four moves a tile.
    int moved = 0;
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}) {
        if (moved == 0) {
            const auto before = g.window->board(kSlot4x4).positions();
            g.press(key);
            moved = before != g.window->board(kSlot4x4).positions() ? 1 : 0;
        }
    }
    QCOMPARE(moved, 1);
    QCOMPARE(g.label("lblnummov"), QStringLiteral("1"));
    QVERIFY(g.window->clock(kSlot4x4)->isActive());
    QVERIFY(g.button("cmdhalt")->isEnabled());
    g.window->clockTick(kSlot4x4);
    g.window->clockTick(kSlot4x4);
    QCOMPARE(g.label("lbltimer"), QStringLiteral("2"));
    QCOMPARE(g.window->counters(kSlot5x5).seconds, 0);
    QCOMPARE(g.window->counters(kSlot3x3).scrambled, 0);
}

void tst_frmmain::runningClockIsNotRestartedByAMove() {
    Game g;
    g.press(g.window->boardView(kSlot4x4), Qt::Key_S);
    g.window->TimeMoveUpdate();
    QTimer* clock = g.window->clock(kSlot4x4);
    const int first = clock->remainingTime();
    QTest::qSleep(30);
    g.window->TimeMoveUpdate();
    QVERIFY(clock->isActive());
    QVERIFY2(clock->remainingTime() < first, "a second move restarted the running clock");
    QCOMPARE(g.label("lblnummov"), QStringLiteral("2"));
}

void tst_frmmain::haltFreezesEverythingAndOnlyTheButtonResumes() {
    Game g;
    g.press(g.window->boardView(kSlot4x4), Qt::Key_S);
    g.window->TimeMoveUpdate();
    g.press(Qt::Key_H);
    QVERIFY(g.window->isHalted());
    QCOMPARE(g.button("cmdhalt")->text(), QStringLiteral("Resume"));
    QCOMPARE(g.window->activeSlot(), -1);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        QVERIFY(!g.window->clock(slot)->isActive());
        QVERIFY(!g.window->boardView(slot)->isEnabled());
    }
    const auto frozen = g.window->board(kSlot4x4).positions();
    QWidget* focus = g.button("cmdpic");
    focus->setFocus();
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_H, Qt::Key_T})
        g.press(key);
    QCOMPARE(g.window->board(kSlot4x4).positions(), frozen);
    QVERIFY(g.window->isHalted());
    QCOMPARE(QApplication::focusWidget(), focus);

    QTest::mouseClick(g.button("cmdhalt"), Qt::LeftButton);
    QVERIFY(!g.window->isHalted());
    QCOMPARE(g.button("cmdhalt")->text(), QStringLiteral("Halt"));
    QVERIFY(g.window->clock(kSlot4x4)->isActive());
    QCOMPARE(QApplication::focusWidget(), g.window->boardView(kSlot4x4));
}

void tst_frmmain::scrambleWhileHaltedLeavesResumeCaption() {
    Game g;
    g.press(g.window->boardView(kSlot4x4), Qt::Key_H);
    QVERIFY(g.window->isHalted());
    QTest::mouseClick(g.button("cmdscram"), Qt::LeftButton);
    QCOMPARE(g.window->activeSlot(), kSlot4x4);
    QVERIFY(!g.button("cmdhalt")->isEnabled());
    g.window->TimeMoveUpdate();
    QVERIFY(g.button("cmdhalt")->isEnabled());
    QCOMPARE(g.button("cmdhalt")->text(), QStringLiteral("Resume"));
    QTest::mouseClick(g.button("cmdhalt"), Qt::LeftButton);
    QCOMPARE(g.button("cmdhalt")->text(), QStringLiteral("Halt"));
    QVERIFY(!g.window->isHalted());
}

void tst_frmmain::setPutsTheBoardBackAndEndsTheGame() {
    Game g;
    g.press(g.window->boardView(kSlot4x4), Qt::Key_S);
    g.window->TimeMoveUpdate();
    g.window->clockTick(kSlot4x4);
    QTest::mouseClick(g.button("cmdset"), Qt::LeftButton);
    QVERIFY(g.window->board(kSlot4x4).isSolved());
    QCOMPARE(g.window->counters(kSlot4x4).scrambled, 0);
    QCOMPARE(g.window->counters(kSlot4x4).moves, 0);
    QCOMPARE(g.label("lbltimer"), QStringLiteral("0"));
    QVERIFY(!g.window->clock(kSlot4x4)->isActive());
    QCOMPARE(g.find<Tile>("pic2(15)")->pos(), QPoint(315, 243));
    // Set leaves the Halt button as it was.
    QVERIFY(g.button("cmdhalt")->isEnabled());
}

void tst_frmmain::scrambleReactsToAnyMouseButtonButNotToTheKeyboard() {
    Game g;
    QTest::mouseClick(g.button("cmdscram"), Qt::RightButton);
    QVERIFY(!g.window->board(kSlot4x4).isSolved());
    QCOMPARE(QApplication::focusWidget(), g.window->boardView(kSlot4x4));

    g.press(g.window->boardView(kSlot4x4), Qt::Key_T);
    QVERIFY(g.window->board(kSlot4x4).isSolved());
    g.press(g.button("cmdscram"), Qt::Key_Space);
    g.press(g.button("cmdscram"), Qt::Key_Return);
    QVERIFY(g.window->board(kSlot4x4).isSolved());
}

void tst_frmmain::optionsTogglesThePanelAndTheWidth() {
    Game g;
    QAction* item = g.find<QAction>("mnuoptions");
    g.press(g.window->boardView(kSlot4x4), Qt::Key_O);
    QTRY_COMPARE(g.window->centralWidget()->width(), 450);
    QVERIFY(!item->isChecked());
    QVERIFY(!g.find<QGroupBox>("fra1")->isVisible());
    item->trigger();
    QTRY_COMPARE(g.window->centralWidget()->width(), 635);
    QVERIFY(item->isChecked());
    QVERIFY(g.find<QGroupBox>("fra1")->isVisible());
    QCOMPARE(g.window->centralWidget()->height(), 438);
}

void tst_frmmain::shortcutItemsDoNothing() {
    Game g;
    for (const char* name : {"mnuscrm", "mnugrid", "mnunumber", "mnuset", "mnuhalt"}) {
        QAction* item = g.find<QAction>(name);
        QVERIFY2(item, name);
        QVERIFY(item->shortcut().isEmpty());
        item->trigger();
    }
    QVERIFY(g.window->board(kSlot4x4).isSolved());
    QVERIFY(!g.window->isHalted());
    QVERIFY(g.find<QGroupBox>("fra1")->isVisible());
}

void tst_frmmain::everyControlHasAnAccessibleName() {
    Game g;
    QCOMPARE(namelessControls(g.window.get()), QStringList());
}

QTEST_MAIN(tst_frmmain)
#include "tst_frmmain.moc"
