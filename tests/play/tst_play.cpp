// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/gamecounters.h"
#include "play/randomsource.h"
#include "play/scramble.h"
#include "support/boardtext.h"
#include "support/scriptedrandom.h"

#include <QTest>
#include <set>

Q_DECLARE_METATYPE(Slide)

class tst_play : public QObject {
    Q_OBJECT
private slots:

    // Each row: a grid, the one value every draw gives, the passes it makes in each direction
    // (halves round to even), and the board after each of several scrambles in a row, each
    // going on from where the one before stopped.
    void scrambles_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("passes");
        QTest::addColumn<QStringList>("after");
        // One pass each way (left, up, right, down) takes the three tiles of a 2x2 board one step
        // round: twenty cycles make two steps, three scrambles sixty, which is home again.
        QTest::newRow("2x2") << 2 << 0.0f << 1
                             << QStringList{"3 1 / 2 .", "2 3 / 1 .", "1 2 / 3 ."};
        QTest::newRow("3x3 one pass") << 3 << 0.0f << 1 << QStringList{"1 2 3 / 6 8 5 / 4 7 ."};
        QTest::newRow("4x4 one pass")
            << 4 << 0.0f << 1 << QStringList{"1 2 3 4 / 5 6 7 8 / 9 12 15 11 / 13 10 14 ."};
        QTest::newRow("3x3 three passes")
            << 3 << 0.99f << 3 << QStringList{"4 1 2 / 7 5 3 / 8 6 ."};
        QTest::newRow("3x3 1.5 passes") << 3 << 0.25f << 2 << QStringList{"4 1 2 / 7 5 3 / 8 6 ."};
        QTest::newRow("4x4 2.5 passes")
            << 4 << 0.5f << 2 << QStringList{"2 4 10 13 / 1 11 5 9 / 14 12 6 15 / 3 8 7 ."};
        QTest::newRow("5x5 4.5 passes") << 5 << 0.875f << 4 << QStringList{};
        QTest::newRow("5x5 highest") << 5 << 0.99999994f << 5 << QStringList{};
    }

    void scrambles() {
        QFETCH(int, n);
        QFETCH(float, r);
        QFETCH(int, passes);
        QFETCH(QStringList, after);
        QCOMPARE(scramble::passCount(r, n), passes);
        ScriptedRandom random({r});
        Board board(n);
        for (int run = 0; run < after.size(); ++run) {
            scramble::run(board, random);
            QCOMPARE(boardToText(board), after[run]);
            QCOMPARE(random.draws(), 4 * scramble::kCycles * (run + 1));
        }
    }

    // The game's own random source draws evenly from [0, 1). (The scramble rows above pin down
    // the boards it makes of any draw.)
    void systemRandomDrawsEvenly() {
        const auto random = makeSystemRandom();
        std::set<float> draws;
        for (int i = 0; i < 10000; ++i) {
            const float r = random->next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            draws.insert(r);
        }
        QVERIFY(draws.size() > 9900 && *draws.begin() < 0.01f && *draws.rbegin() > 0.99f);
    }

    // A scrambled game counts moves and seconds up to the 16-bit limit and no further, and a new
    // game starts them again from nothing.
    void countsScrambledGamesUpToTheLimit() {
        GameCounters game;
        game.restart(true);
        game.seconds = game.moves = 32766;
        for (int i = 0; i < 2; ++i) {
            game.tick();
            QVERIFY(game.countMove());
        }
        QCOMPARE(game.seconds, 32767);
        QCOMPARE(game.moves, 32767);
        game.restart(true);
        QCOMPARE(game.seconds + game.moves, 0);
    }
};

QTEST_APPLESS_MAIN(tst_play)
#include "tst_play.moc"
