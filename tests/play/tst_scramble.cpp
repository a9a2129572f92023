#include "play/randomsource.h"
#include "play/scramble.h"
#include "support/boardtext.h"
#include "support/scriptedrandom.h"
#include "support/solver.h"

#include <QTest>

Q_DECLARE_METATYPE(Slide)

namespace {
// The classic rule for boards whose empty box belongs bottom right: the inversions among the
// tiles in reading order, plus on even boards the empty box's rows from the bottom, are even.
bool solvable(const Board& board) {
    const int n = board.size();
    std::vector<int> reading;
    for (int at = 0; at < board.cellCount(); ++at) {
        for (int c = 0; c < board.emptyIndex(); ++c) {
            if (board.position(c) == CellPos{at % n, at / n})
                reading.push_back(c);
        }
    }
    int parity = n % 2 == 1 ? 0 : n - 1 - board.position(board.emptyIndex()).row;
    for (size_t i = 0; i < reading.size(); ++i) {
        for (size_t j = i + 1; j < reading.size(); ++j)
            parity += reading[i] > reading[j] ? 1 : 0;
    }
    return parity % 2 == 0;
}
} // namespace

class tst_scramble : public QObject {
    Q_OBJECT
private slots:
    void passCountRoundsHalfToEven_data();
    void passCountRoundsHalfToEven();
    void passRule_data();
    void passRule();
    void usesFourDrawsPerCycle();
    void everyScrambleIsSolvable_data();
    void everyScrambleIsSolvable();
    void systemRandomStaysInUnitInterval();
};

void tst_scramble::passCountRoundsHalfToEven_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("passes");
    QTest::newRow("3x3 1.5 ties to 2") << 0.25f << 3 << 2;
    QTest::newRow("3x3 2.5 ties to 2") << 0.75f << 3 << 2;
    QTest::newRow("5x5 4.5 ties to 4") << 0.875f << 5 << 4;
    QTest::newRow("5x5 highest") << 0.99999994f << 5 << 5;
}

void tst_scramble::passCountRoundsHalfToEven() {
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, passes);
    QCOMPARE(scramble::passCount(r, n), passes);
}

// Each row: a board, one pass in one way, and the board afterwards.
void tst_scramble::passRule_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<Slide>("way");
    QTest::addColumn<QString>("after");
    // Tile 7 lies beyond tile 8 but has the lower index: it was scanned before 8 moved.
    QTest::newRow("solved 3x3: one column")
        << "1 2 3 / 4 5 6 / 7 8 ." << Slide::Right << "1 2 3 / 4 5 6 / 7 . 8";
    QTest::newRow("ascending run carried in one pass")
        << "1 2 3 / 4 5 6 / . 7 8" << Slide::Left << "1 2 3 / 4 5 6 / 7 8 .";
    QTest::newRow("top-left corner, right: unchanged")
        << ". 1 2 / 3 4 5 / 6 7 8" << Slide::Right << ". 1 2 / 3 4 5 / 6 7 8";
    QTest::newRow("top-left corner, down: unchanged")
        << ". 1 2 / 3 4 5 / 6 7 8" << Slide::Down << ". 1 2 / 3 4 5 / 6 7 8";
}

void tst_scramble::passRule() {
    QFETCH(QString, before);
    QFETCH(Slide, way);
    QFETCH(QString, after);
    Board board = boardFromText(before);
    board.pass(way);
    QCOMPARE(boardToText(board), after);
}

// With one pass each way (left, up, right, down), a cycle turns the three tiles of a 2x2 board
// one step round; twenty cycles leave them two steps round.
void tst_scramble::usesFourDrawsPerCycle() {
    ScriptedRandom random({0.0f});
    Board board(2);
    scramble::run(board, random);
    QCOMPARE(random.draws(), 4 * scramble::kCycles);
    QCOMPARE(boardToText(board), "3 1 / 2 .");
}

void tst_scramble::everyScrambleIsSolvable_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("3x3") << 3;
    QTest::newRow("4x4") << 4;
    QTest::newRow("5x5") << 5;
}

// Scrambles follow one another on the same board, as in the game.
void tst_scramble::everyScrambleIsSolvable() {
    QFETCH(int, n);
    // The rule must tell a swapped pair apart, or it would prove nothing.
    QVERIFY(!solvable(boardFromText(boardToText(Board(n)).replace(0, 3, "2 1"))));
    const auto random = makeSystemRandom();
    Board board(n);
    for (int i = 0; i < 300; ++i) {
        scramble::run(board, *random);
        QVERIFY2(solvable(board), qPrintable(boardToText(board)));
        // On 3x3 a search over every arrangement finds the way home.
        if (n == 3 && i < 10)
            QVERIFY2(board.isSolved() || !solve3x3(board).empty(), qPrintable(boardToText(board)));
    }
}

void tst_scramble::systemRandomStaysInUnitInterval() {
    const auto random = makeSystemRandom();
    float low = 1.0f;
    float high = 0.0f;
    for (int i = 0; i < 100000; ++i) {
        const float r = random->next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    // Independent uniform draws cover the interval; a source stuck on one value would not.
    QVERIFY(low < 0.01f && high > 0.99f);
}

QTEST_APPLESS_MAIN(tst_scramble)
#include "tst_scramble.moc"
