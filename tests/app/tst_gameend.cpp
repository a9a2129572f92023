#include "mainwindowfixture.h"
#include "support/solver.h"

#include <QAction>
#include <QLineEdit>

class tst_gameend : public QObject {
    Q_OBJECT
private slots:
    void gameOverButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("ranked");
        QTest::newRow("Ok: the game goes on") << "cmdok" << true;
        QTest::newRow("Close: the game ends") << "cmdclose" << true;
        QTest::newRow("Play Again: a new game") << "cmdplay" << true;
        QTest::newRow("Close, unranked: nothing is written") << "cmdclose" << false;
    }

    // A scrambled 3x3 game solved by keys; then the player types a name and answers.
    void gameOverButtons() {
        QFETCH(QString, button);
        QFETCH(bool, ranked);
        MainWindowFixture g;
        // An unranked game meets a full table of one-move results, which no game can beat.
        for (int i = 0; !ranked && i < 10; ++i)
            g.store.SaveSetting("quadrello", "Scores2", QStringLiteral("top%1").arg(i), "1");
        g.store.clearLog();
        g.open();
        g.choose(kSlot3x3);
        g.press(Qt::Key_S);
        g.window->clockTick(kSlot3x3);
        const std::vector<Slide> path = solve3x3(g.window->board(kSlot3x3));
        for (const Slide way : path)
            g.slide(way);
        const int moves = static_cast<int>(path.size());
        frmscore* gameOver = g.window->gameOverWindow();
        QVERIFY(gameOver && gameOver->isVisible());
        QCOMPARE(gameOver->findChild<QLabel*>("lbltotmoves")->text(), QString::number(moves));
        QCOMPARE(gameOver->findChild<QLabel*>("lbltottime")->text(), QStringLiteral("1 sec"));
        QCOMPARE(gameOver->findChild<QWidget*>("fra1")->isVisible(), ranked);
        // A result is ranked and saved at once, before the player has typed a name.
        QCOMPARE(g.store.GetSetting("quadrello", "scores2", "top0", ""),
                 ranked ? QString::number(moves) : QStringLiteral("1"));

        // keyClicks cannot type beyond Latin-1
        gameOver->findChild<QLineEdit*>("txtname")->setText(QStringLiteral("Zoë 漢字"));
        QTest::mouseClick(gameOver->findChild<QAbstractButton*>(button), Qt::LeftButton);
        QTRY_VERIFY(!g.window->gameOverWindow());
        QCOMPARE(g.store.GetSetting("quadrello", "Scores2", "Nam0", ""),
                 ranked ? QStringLiteral(" Zoë 漢字") : QString());
        QCOMPARE(g.store.writes().isEmpty(), !ranked);
        const bool goesOn = button != "cmdclose", fresh = button == "cmdplay";
        QCOMPARE(g.window->counters(kSlot3x3).scrambled, goesOn ? 1 : 0);
        QCOMPARE(g.button("cmdhalt")->isEnabled(), button == "cmdok");
        QCOMPARE(g.window->board(kSlot3x3).isSolved(), !fresh);
        g.press(g.window->board(kSlot3x3).position(8).col > 0 ? Qt::Key_Right : Qt::Key_Left);
        QCOMPARE(int(g.window->counters(kSlot3x3).moves), (fresh ? 0 : moves) + (goesOn ? 1 : 0));
        QCOMPARE(g.ticking(kSlot3x3), goesOn);
    }

    // Each board keeps its game while another is shown, the top scores open on the shown one,
    // and closing the window writes colours, options and then all 60 score values in order.
    void eachBoardKeepsItsGameThenClosingSavesAll() {
        OpenMainWindow g;
        g.press(g.view(), Qt::Key_S);
        g.window->TimeMoveUpdate(); // a counted move starts the clock
        g.window->clockTick(kSlot4x4);
        const auto arrangement = g.window->board(kSlot4x4).positions();
        g.click("cmdpfr");
        QVERIFY(!g.ticking()); // opening the window stops every clock
        g.choose(kSlot3x3);
        QCOMPARE(g.label("lblnummov"), QStringLiteral("0"));
        g.find<QAction>("mnuscores")->trigger();
        QVERIFY(g.window->topScoresWindow() && g.window->topScoresWindow()->isVisible());
        QVERIFY(g.find("lbl3x3mov(20)")->isVisible() && !g.find("lbl3x3mov(0)")->isVisible());
        // The 5x5 button reads the store again: a result stored meanwhile shows up.
        g.store.SaveSetting("quadrello", "Scores0", "top0", "99");
        g.click("cmd5x5");
        QVERIFY(g.find("lbl3x3mov(0)")->isVisible());
        QCOMPARE(g.label("lbl3x3score(0)"), QStringLiteral("       99"));
        g.choose(kSlot4x4);
        QCOMPARE(g.window->board(kSlot4x4).positions(), arrangement);
        QCOMPARE(g.label("lblnummov"), QStringLiteral("1"));
        QCOMPARE(g.label("lbltimer"), QStringLiteral("1"));
        QVERIFY(!g.ticking());

        // Exit closes the other windows, the one shown last first.
        for (const char* item : {"mnucontents", "mnuabout"})
            g.find<QAction>(item)->trigger();
        g.click("cmdclr");
        g.click("cmdpfr");
        g.find<QAction>("mnucontents")->trigger();
        struct CloseLog : QObject {
            QStringList windows;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Close && watched->isWidgetType())
                    windows << watched->objectName();
                return false;
            }
        } closed;
        qApp->installEventFilter(&closed);
        g.store.clearLog();
        g.window->close();
        QCOMPARE(closed.windows, QStringList({"frmmain", "frmprefer", "frmcolor", "frmAbout",
                                              "frmHelp", "frmtopscores"}));
        QStringList written;
        for (const auto& w : g.store.writes())
            written << w.section + '/' + w.key + '=' + w.value;
        QCOMPARE(written.size(), 6 + 60);
        QCOMPARE(written.mid(0, 8), QStringList({"color/NumColor=128", "color/BkColor=11310476",
                                                 "color/BoxColor=11310476", "options/Gridvalue=0",
                                                 "options/Numvalue=1", "options/Enable=0",
                                                 "Scores0/top0=99", "Scores1/top0=0"}));
        QCOMPARE(written.last(), QStringLiteral("Scores2/Nam9= None"));
    }
};

QTEST_MAIN(tst_gameend)
#include "tst_gameend.moc"
