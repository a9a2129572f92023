#include "board/boardview.h"
#include "mainwindowfixture.h"
#include "scores/frmtopscores.h"
#include "support/solver.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

namespace {
struct Game : MainWindowFixture {
    explicit Game(bool fullTable = false) {
        // A full 3x3 table of one-move results, which no real game can beat.
        for (int i = 0; fullTable && i < 10; ++i) {
            store.SaveSetting("quadrello", "Scores2", QStringLiteral("top%1").arg(i), "1");
            store.SaveSetting("quadrello", "Scores2", QStringLiteral("Nam%1").arg(i), " Best");
        }
        store.clearLog();
        open();
    }
    // Scrambles the 3x3 board and slides it home by keys; returns the moves it took.
    int solveScrambled3x3() {
        choose(kSlot3x3);
        press(Qt::Key_S);
        const std::vector<Slide> path = solve3x3(window->board(kSlot3x3));
        for (const Slide way : path) {
            if (window->gameOverWindow())
                return -1; // solved before the last key: the window opened too early
            slide(way);
        }
        return static_cast<int>(path.size());
    }
    QWidget* gameOver(const char* name) const {
        return window->gameOverWindow()->findChild<QWidget*>(QLatin1String(name));
    }
    void answer(const char* button, const QString& name) {
        auto* box = static_cast<QLineEdit*>(gameOver("txtname"));
        box->setText(name); // keyClicks cannot type beyond Latin-1
        QTest::mouseClick(static_cast<QAbstractButton*>(gameOver(button)), Qt::LeftButton);
    }
};
} // namespace

class tst_gameend : public QObject {
    Q_OBJECT
private slots:
    void solvingByKeysOpensTheGameOverWindow();
    void gameOverButtons_data();
    void gameOverButtons();
    void aResultOutsideTheTableAsksForNoName();
    void eachBoardKeepsItsGameWhileAnotherIsShown();
    void topScoresOpenOnTheShownBoard();
    void closingSavesColoursOptionsAndScoresInOrder();
};

void tst_gameend::solvingByKeysOpensTheGameOverWindow() {
    Game g;
    g.window->clockTick(kSlot3x3); // a stopped clock may still be ticked directly
    const int moves = g.solveScrambled3x3();
    QVERIFY(moves > 0);
    QVERIFY(g.window->gameOverWindow() && g.window->gameOverWindow()->isVisible());
    QCOMPARE(static_cast<QLabel*>(g.gameOver("lbltotmoves"))->text(), QString::number(moves));
    QCOMPARE(static_cast<QLabel*>(g.gameOver("lbltottime"))->text(), QStringLiteral("0 sec"));
    QVERIFY(g.gameOver("fra1")->isVisible());
    QVERIFY(!g.window->clock(kSlot3x3)->isActive());
    // Ranked and saved at once, still with the old name.
    QCOMPARE(g.store.GetSetting("quadrello", "scores2", "top0", ""), QString::number(moves));
    QCOMPARE(g.store.GetSetting("quadrello", "scores2", "nam0", ""), QStringLiteral(" None"));
    QCOMPARE(g.window->counters(kSlot3x3).scrambled, 1);
}

void tst_gameend::gameOverButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("flagAfter");
    QTest::addColumn<bool>("haltEnabled");
    QTest::addColumn<bool>("solvedAfter");
    QTest::newRow("Ok: the game goes on") << "cmdok" << 1 << true << true;
    QTest::newRow("Close: the game ends") << "cmdclose" << 0 << false << true;
    QTest::newRow("Play Again: a new game") << "cmdplay" << 1 << false << false;
}

void tst_gameend::gameOverButtons() {
    QFETCH(QString, button);
    QFETCH(int, flagAfter);
    QFETCH(bool, haltEnabled);
    QFETCH(bool, solvedAfter);
    Game g;
    const int moves = g.solveScrambled3x3();
    g.answer(button.toLatin1().constData(), QStringLiteral("Zoë 漢字"));
    QTRY_VERIFY(!g.window->gameOverWindow());
    QCOMPARE(g.store.GetSetting("quadrello", "Scores2", "Nam0", ""), QStringLiteral(" Zoë 漢字"));
    QCOMPARE(g.store.GetSetting("quadrello", "Scores2", "top0", ""), QString::number(moves));
    QCOMPARE(g.window->counters(kSlot3x3).scrambled, flagAfter);
    QCOMPARE(g.button("cmdhalt")->isEnabled(), haltEnabled);
    QCOMPARE(g.window->board(kSlot3x3).isSolved(), solvedAfter);
    QCOMPARE(g.window->focusWidget(), g.window->boardView(kSlot3x3));

    // After Ok the next move counts on from the result; after Close nothing is counted.
    g.press(Qt::Key_Right);
    g.press(Qt::Key_Down);
    const int expected = button == "cmdok" ? moves + 2 : button == "cmdclose" ? moves : 2;
    if (button != "cmdplay")
        QCOMPARE(int(g.window->counters(kSlot3x3).moves), expected);
    QCOMPARE(g.window->clock(kSlot3x3)->isActive(), button != "cmdclose");
}

void tst_gameend::aResultOutsideTheTableAsksForNoName() {
    Game g(true);
    QVERIFY(g.solveScrambled3x3() > 0);
    QVERIFY(g.window->gameOverWindow());
    QVERIFY(!g.gameOver("fra1")->isVisible());
    QVERIFY(g.window->gameOverWindow()->height() < 150);
    g.answer("cmdclose", QStringLiteral("Nobody"));
    QTRY_VERIFY(!g.window->gameOverWindow());
    QVERIFY(g.store.writes().isEmpty());
}

void tst_gameend::eachBoardKeepsItsGameWhileAnotherIsShown() {
    Game g;
    g.press(g.window->boardView(kSlot4x4), Qt::Key_S);
    g.window->TimeMoveUpdate();
    g.window->clockTick(kSlot4x4);
    const auto arrangement = g.window->board(kSlot4x4).positions();
    g.click("cmdpfr");
    QVERIFY(!g.window->clock(kSlot4x4)->isActive()); // opening the window stops every clock
    g.choose(kSlot3x3);
    QCOMPARE(g.window->activeSlot(), kSlot3x3);
    QCOMPARE(g.label("lblnummov"), QStringLiteral("0"));
    g.choose(kSlot4x4);
    QCOMPARE(g.window->board(kSlot4x4).positions(), arrangement);
    QCOMPARE(g.label("lblnummov"), QStringLiteral("1"));
    QCOMPARE(g.label("lbltimer"), QStringLiteral("1"));
    QVERIFY(!g.window->clock(kSlot4x4)->isActive());
    QVERIFY(!g.window->boardView(kSlot3x3)->isVisible());
}

void tst_gameend::topScoresOpenOnTheShownBoard() {
    Game g;
    const int moves = g.solveScrambled3x3();
    g.answer("cmdok", QStringLiteral("Ann"));
    g.find<QAction>("mnuscores")->trigger();
    frmtopscores* top = g.window->topScoresWindow();
    QVERIFY(top && top->isVisible());
    const auto row = [top](const char* kind, int e) {
        return top->findChild<QLabel*>(QStringLiteral("%1(%2)").arg(QLatin1String(kind)).arg(e));
    };
    QVERIFY(row("lbl3x3mov", 20)->isVisible());
    QCOMPARE(row("lbl3x3mov", 20)->text(), QStringLiteral("1)  Ann"));
    QCOMPARE(row("lbl3x3score", 20)->text(), QStringLiteral("       %1").arg(moves));
    QCOMPARE(row("lbl3x3mov", 21)->text(), QStringLiteral("2)  None"));
    // The 5x5 button reads the store again: a result stored meanwhile shows up.
    g.store.SaveSetting("quadrello", "Scores0", "top0", "99");
    QTest::mouseClick(top->findChild<QPushButton*>(QStringLiteral("cmd5x5")), Qt::LeftButton);
    QVERIFY(row("lbl3x3mov", 0)->isVisible());
    QCOMPARE(row("lbl3x3score", 0)->text(), QStringLiteral("       99"));
}

void tst_gameend::closingSavesColoursOptionsAndScoresInOrder() {
    Game g;
    QSignalSpy ended(g.window.get(), &frmmain::unloaded);
    g.window->close();
    QCOMPARE(ended.count(), 1);
    const auto& w = g.store.writes();
    QCOMPARE(w.size(), 6 + 60);
    QStringList firstKeys;
    for (int i = 0; i < 8; ++i)
        firstKeys << w[i].section + '/' + w[i].key + '=' + w[i].value;
    QCOMPARE(firstKeys,
             QStringList({"color/NumColor=128", "color/BkColor=11310476", "color/BoxColor=11310476",
                          "options/Gridvalue=0", "options/Numvalue=1", "options/Enable=0",
                          "Scores0/top0=0", "Scores1/top0=0"}));
    QCOMPARE(w.last().section + '/' + w.last().key + '=' + w.last().value,
             QStringLiteral("Scores2/Nam9= None"));
}

QTEST_MAIN(tst_gameend)
#include "tst_gameend.moc"
