#include "play/gamecounters.h"

#include <QTest>

class tst_gamecounters : public QObject {
    Q_OBJECT
private slots:
    // Free play counts no moves; a scrambled game counts moves and seconds, up to the 16-bit
    // limit and no further.
    void countsScrambledGamesUpToTheLimit() {
        GameCounters game;
        QVERIFY(!game.countMove());
        QCOMPARE(game.moves, 0);
        game.restart(true);
        game.seconds = game.moves = 32766;
        for (int i = 0; i < 2; ++i) {
            game.tick();
            QVERIFY(game.countMove());
        }
        QCOMPARE(game.seconds, 32767);
        QCOMPARE(game.moves, 32767);
    }
};

QTEST_APPLESS_MAIN(tst_gamecounters)
#include "tst_gamecounters.moc"
