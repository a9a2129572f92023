#include "play/gamecounters.h"

#include <QTest>

class tst_gamecounters : public QObject {
    Q_OBJECT
private slots:
    void freePlayCountsNothing();
    void countersStopAtTheLimit();
    void restartClearsTheGame();
};

void tst_gamecounters::freePlayCountsNothing() {
    GameCounters game;
    QVERIFY(!game.countMove());
    QCOMPARE(game.moves, 0);
    game.restart(true);
    QVERIFY(game.countMove());
    QCOMPARE(game.moves, 1);
}

void tst_gamecounters::countersStopAtTheLimit() {
    GameCounters game;
    game.restart(true);
    game.seconds = GameCounters::kLimit - 1;
    game.moves = GameCounters::kLimit - 1;
    for (int i = 0; i < 3; ++i) {
        game.tick();
        QVERIFY(game.countMove());
    }
    QCOMPARE(game.seconds, 32767);
    QCOMPARE(game.moves, 32767);
}

void tst_gamecounters::restartClearsTheGame() {
    GameCounters game;
    game.restart(true);
    game.tick();
    game.countMove();
    game.restart(false);
    QCOMPARE(game.seconds, 0);
    QCOMPARE(game.moves, 0);
    QCOMPARE(game.scrambled, 0);
}

QTEST_APPLESS_MAIN(tst_gamecounters)
#include "tst_gamecounters.moc"
