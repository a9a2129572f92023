#include "mainwindowfixture.h"
#include "windows/accessiblecontrols.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

class tst_frmmain : public QObject {
    Q_OBJECT
private slots:
    void startsOnThe4x4BoardAtRest() {
        OpenMainWindow g;
        QCOMPARE(g.window->activeSlot(), kSlot4x4);
        for (int slot : {kSlot3x3, kSlot5x5})
            QVERIFY(!g.view(slot)->isVisible() && !g.view(slot)->isEnabled() && !g.ticking(slot));
        QVERIFY(!g.ticking() && g.window->clock(kSlot4x4)->interval() == 1000);
        for (const char* name : {"cmdhalt", "cmdset", "cmdviewpic", "cmdunsorted"})
            QVERIFY2(!g.button(name)->isEnabled(), name);
        QCOMPARE(g.label("lblnummov"), QStringLiteral("0"));
        QCOMPARE(g.label("lbltimer"), QStringLiteral("0"));
        const std::pair<const char*, QRect> places[] = {
            {"cmdscram", {160, 408, 129, 25}}, {"fra1", {448, 24, 185, 409}},
            {"picmod(1)", {14, 38, 420, 324}}, {"picmod(0)", {14, 38, 420, 325}},
            {"pic3(4)", {140, 108, 140, 108}}, {"lbl2(14)", {0, 6, 49, 33}}};
        for (const auto& [name, place] : places)
            QCOMPARE(g.find(name)->geometry(), place);
        QCOMPARE(namelessControls(g.window.get()), QStringList());
        // No name read out to the player carries an access-key marker, not even a menu item's.
        std::function<void(QAccessibleInterface*)> noMarker = [&](QAccessibleInterface* at) {
            QVERIFY2(!at->text(QAccessible::Name).remove("&&").contains('&'),
                     qPrintable(at->text(QAccessible::Name)));
            for (int i = 0; i < at->childCount(); ++i)
                noMarker(at->child(i));
        };
        noMarker(QAccessible::queryAccessibleInterface(g.window.get()));
    }

    // Keys reach the board whichever control has the focus; Scramble takes any mouse button
    // but no key.
    void keysAndMouseReachTheBoard() {
        OpenMainWindow g;
        g.press(g.button("cmdexit"), Qt::Key_Right);
        QCOMPARE(g.find<Tile>("pic2(14)")->pos(), QPoint(315, 243));
        // Other keys go on to the board, so the tab order starts from there.
        g.press(g.button("cmdexit"), Qt::Key_Tab);
        g.expect("focus=cmdpic");
        g.press(g.button("cmdexit"), Qt::Key_Tab, Qt::ShiftModifier);
        g.expect("focus=chkauto");
        // While a menu is open the arrows choose its items, even those it hands to the bar.
        auto* bar = g.window->findChild<QMenuBar*>();
        bar->setActiveAction(g.find<QMenu>("mnuview")->menuAction());
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(g.find<Tile>("pic2(14)")->pos(), QPoint(315, 243));
        QApplication::activePopupWidget()->close();
        g.press(g.button("cmdscram"), Qt::Key_Space);
        g.press(g.button("cmdscram"), Qt::Key_Return);
        g.expect("4x4=0/0/0 draws=0");
        QTest::mouseClick(g.button("cmdscram"), Qt::RightButton);
        g.expect("4x4=0/0/1 draws=80 focus=picmod(1)");
        g.press(Qt::Key_T);
        g.press(g.button("cmdpic"), Qt::Key_S, Qt::ControlModifier);
        g.expect("4x4=0/0/1 solved=no");
        // A counted move on a running clock keeps its rhythm.
        g.play("move");
        const int left = g.window->clock(kSlot4x4)->remainingTime();
        QTest::qSleep(30);
        g.play("back");
        QVERIFY2(g.window->clock(kSlot4x4)->remainingTime() < left, "a move restarted the clock");
    }

    void playFromTheBoard_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("wanted");
        const auto row = [](const char* name, const char* steps, const char* wanted) {
            QTest::newRow(name) << steps << wanted;
        };
        row("free play counts nothing", "move back tile",
            "4x4=0/0/0 ticking= gameover=- solved=yes");
        row("a press on Scramble shuffles once", "cmdscram", "4x4=0/0/1 draws=80 solved=no");
        row("the first counted move starts the clock", "S move tick",
            "4x4=1/1/1 counters=1/1 ticking=4x4 enabled=set,halt,unsorted");
        row("the auto box only toggles", "chkauto", "draws=0 focus=picmod(1) 4x4=0/0/0");
        row("Set gives up the game, buttons stay", "S move T",
            "4x4=0/0/0 ticking= solved=yes enabled=set,halt,unsorted halt=Halt");
        row("halt freezes the board, keys and H", "S move H move H T",
            "4x4=1/0/1 active=- halt=Resume ticking=");
        row("Resume starts the clock without a game", "S move T H cmdhalt tick move",
            "4x4=0/1/0 counters=0/1 ticking=4x4 halt=Halt focus=picmod(1)");
        row("Scramble while halted plays on", "S move H cmdscram", "active=4x4 halt=Resume");
        row("Set touches the shown grid only", "S cmdpfr move 3x3 S T",
            "4x4=1/0/1 3x3=0/0/0 ticking=4x4");
        row("a clock running on a hidden grid shows", "S cmdpfr move 3x3 tick",
            "shown=3x3 ticking=4x4 counters=0/1 4x4=1/1/1");
        row("Halt stops every clock", "S cmdpfr move 3x3 H", "ticking= halt=Resume");
        row("OK on the shown size while halted", "S move tick H 4x4",
            "active=4x4 halt=Resume counters=1/1 ticking= focus=picmod(1)");
        row("Cancel selects the shown size again", "cancel3x3",
            "shown=4x4 option=4x4 focus=picmod(1)");
        row("Cancel while halted leaves it halted", "S H cancel3x3",
            "shown=4x4 active=- option=4x4");
        row("UnSorted marks the misplaced tiles", "S cmdunsorted",
            "unsorted=OK marks=misplaced focus=picmod(1)");
        row("nothing to mark while halted", "S H cmdunsorted", "unsorted=UnSorted marks=none");
        row("UnSorted without a game", "S T cmdunsorted", "unsorted=UnSorted marks=none");
        row("UnSorted on another grid's game", "S 3x3 cmdunsorted", "unsorted=UnSorted marks=none");
        row("the marks are a snapshot that Set leaves", "S cmdunsorted T move",
            "unsorted=OK marks=stale focus=picmod(1)");
        row("OK takes the marks away", "S cmdunsorted cmdunsorted", "unsorted=UnSorted marks=none");
        row("a load restarts every game's counters", "3x3 S move tick 4x4 S move tick load move",
            "3x3=0/0/1 4x4=1/0/1 counters=1/1 ticking=4x4 enabled=set,halt,unsorted,viewpic");
        row("a load moves no tile", "S T load", "solved=yes focus=picmod(1)");
        row("a cancelled load stops the clocks", "S move loadcancel",
            "4x4=1/0/1 ticking= focus=picmod(1)");
    }

    // Rows of steps and what the player sees after them (see MainWindowFixture::play).
    void playFromTheBoard() {
        QFETCH(QString, steps);
        QFETCH(QString, wanted);
        OpenMainWindow g;
        g.play(steps);
        g.expect(wanted);
    }

    void optionsTogglesThePanelAndShortcutItemsDoNothing() {
        OpenMainWindow g;
        g.press(g.view(), Qt::Key_O);
        QTRY_COMPARE(g.find("client")->width(), 450);
        QVERIFY(!g.find<QAction>("mnuoptions")->isChecked() && !g.find("fra1")->isVisible());
        g.find<QAction>("mnuoptions")->trigger();
        QTRY_COMPARE(g.find("client")->width(), 635);
        for (const char* name : {"mnuscrm", "mnugrid", "mnunumber", "mnuset", "mnuhalt"}) {
            QVERIFY2(g.find<QAction>(name) && g.find<QAction>(name)->shortcut().isEmpty(), name);
            g.find<QAction>(name)->trigger();
        }
        QVERIFY(g.window->board(kSlot4x4).isSolved() && !g.window->isHalted());
        QCOMPARE(g.find<QAbstractButton>("cmdgrid")->text(), QStringLiteral("Grid ON"));
    }
};

QTEST_MAIN(tst_frmmain)
#include "tst_frmmain.moc"
