#include "mainwindowfixture.h"
#include "settings/frmcolor.h"
#include "support/solver.h"
#include "windows/frmhelp.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

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
        QVERIFY(gameOver && gameOver->isVisible() && !g.ticking(kSlot3x3));
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
        g.play("move");
        QCOMPARE(int(g.window->counters(kSlot3x3).moves), (fresh ? 0 : moves) + (goesOn ? 1 : 0));
        QCOMPARE(g.ticking(kSlot3x3), goesOn);
        // After Ok the same game is solved again, counted on; after Close it is free play.
        g.play("back");
        g.expect("gameover=" + (button == "cmdok" ? QString::number(moves + 2) : "-"));
    }

    // The other windows leave the main window playable. Exit saves the colours, the options and
    // all 60 score values in order, then closes the other windows, the one shown last first.
    void otherWindowsAreModelessAndCloseLatestFirst() {
        OpenMainWindow g;
        g.play("S move tick 3x3 mnuscores");
        // The top scores open on the shown size; its buttons read the store again.
        QVERIFY(g.find("lbl3x3mov(20)")->isVisible() && !g.find("lbl3x3mov(0)")->isVisible());
        g.store.SaveSetting("quadrello", "Scores0", "top0", "99");
        g.click("cmd5x5");
        QVERIFY(g.find("lbl3x3mov(0)")->isVisible());
        QCOMPARE(g.label("lbl3x3score(0)"), QStringLiteral("       99"));
        g.colorAnswers << QColor(0, 0, 255);
        g.play("4x4 mnucontents mnuabout cmdclr frmcolor.cmdcolnum cmdpfr mnucontents cmdclr");
        QCOMPARE(g.window->findChildren<frmHelp*>().size(), 1);
        QCOMPARE(g.window->colorWindow()->numColor(), 16711680); // the swatch picked stays
        QStringList help;
        for (const QAction* item : g.find<QMenu>("mnuhelp")->actions())
            help << item->text();
        QCOMPARE(help, QStringList({"&How &to....", "", "&About"}));
        for (const QWidget* other : QApplication::topLevelWidgets())
            QVERIFY(other->windowModality() == Qt::NonModal);
        g.play("move G");
        g.expect("4x4=2/1/1 counters=2/1 ticking=4x4");
        QCOMPARE(g.find<QAbstractButton>("cmdgrid")->text(), QStringLiteral("Grid OFF"));

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
        QCOMPARE(
            written.mid(0, 8),
            QStringList({"color/NumColor=16711680", "color/BkColor=11310476",
                         "color/BoxColor=11310476", "options/Gridvalue=1", "options/Numvalue=1",
                         "options/Enable=0", "Scores0/top0=99", "Scores1/top0=0"}));
        QCOMPARE(written.last(), QStringLiteral("Scores2/Nam9= None"));
    }
};

QTEST_MAIN(tst_gameend)
#include "tst_gameend.moc"
