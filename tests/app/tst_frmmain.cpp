#include "board/tile.h"
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
        QCOMPARE(QApplication::focusWidget(), g.view());
        QCOMPARE(g.label("lblnummov"), QStringLiteral("0")); // free play counts nothing
        // Other keys go on to the board, so the tab order starts from there.
        g.press(g.button("cmdexit"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdpic"));
        g.press(g.button("cmdexit"), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("chkauto"));
        QVERIFY(!g.ticking());
        // While a menu is open the arrows choose its items, even those it hands to the bar.
        auto* bar = g.window->findChild<QMenuBar*>();
        bar->setActiveAction(g.find<QMenu>("mnuview")->menuAction());
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(g.find<Tile>("pic2(14)")->pos(), QPoint(315, 243));
        QApplication::activePopupWidget()->close();
        g.press(g.button("cmdscram"), Qt::Key_Space);
        g.press(g.button("cmdscram"), Qt::Key_Return);
        QCOMPARE(g.window->counters(kSlot4x4).scrambled, 0);
        QTest::mouseClick(g.button("cmdscram"), Qt::RightButton);
        QCOMPARE(g.window->counters(kSlot4x4).scrambled, 1);
        QCOMPARE(g.random.draws(), 80); // one press, one shuffle
        g.press(Qt::Key_T);
        g.press(g.button("cmdpic"), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!g.window->board(kSlot4x4).isSolved());
    }

    void aScrambledGameCountsMovesAndSecondsUntilSet() {
        OpenMainWindow g;
        g.press(g.view(), Qt::Key_S);
        QVERIFY(!g.ticking());
        // A tile left of the empty box moves right; in the first column the one right of it.
        const bool right = g.window->board(kSlot4x4).position(15).col > 0;
        g.press(right ? Qt::Key_Right : Qt::Key_Left);
        QCOMPARE(g.label("lblnummov"), QStringLiteral("1"));
        QVERIFY(g.ticking());
        g.window->clockTick(kSlot4x4);
        g.window->clockTick(kSlot4x4);
        QCOMPARE(g.label("lbltimer"), QStringLiteral("2"));
        const int left = g.window->clock(kSlot4x4)->remainingTime();
        QTest::qSleep(30);
        g.press(right ? Qt::Key_Left : Qt::Key_Right);
        QCOMPARE(g.label("lblnummov"), QStringLiteral("2"));
        QVERIFY2(g.window->clock(kSlot4x4)->remainingTime() < left, "a move restarted the clock");
        g.click("cmdset");
        QVERIFY(g.window->board(kSlot4x4).isSolved());
        QCOMPARE(g.window->counters(kSlot4x4).scrambled, 0);
        QVERIFY(!g.ticking());
    }

    void haltFreezesEverythingAndOnlyTheButtonResumes() {
        OpenMainWindow g;
        g.press(g.view(), Qt::Key_S);
        g.window->TimeMoveUpdate(); // a counted move starts the clock
        g.press(Qt::Key_H);
        QVERIFY(!g.ticking());
        const auto frozen = g.window->board(kSlot4x4).positions();
        g.button("cmdpic")->setFocus();
        for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_H, Qt::Key_T})
            g.press(key);
        QCOMPARE(g.window->board(kSlot4x4).positions(), frozen);
        QCOMPARE(QApplication::focusWidget(), g.button("cmdpic"));
        g.click("cmdhalt");
        QCOMPARE(g.button("cmdhalt")->text(), QStringLiteral("Halt"));
        QVERIFY(g.ticking());
        QCOMPARE(QApplication::focusWidget(), g.view());
        // Scrambling while halted makes the board playable, but the button still offers Resume.
        g.press(Qt::Key_H);
        g.click("cmdscram");
        g.window->TimeMoveUpdate();
        QCOMPARE(g.window->activeSlot(), kSlot4x4);
        QCOMPARE(g.button("cmdhalt")->text(), QStringLiteral("Resume"));
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
