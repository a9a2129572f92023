#include "play/randomsource.h"
#include "play/scramble.h"
#include "support/boardtext.h"
#include "support/scriptedrandom.h"

#include <QTest>
#include <unordered_set>

Q_DECLARE_METATYPE(Slide)

namespace {
// A board's arrangement as a number: the place of every cell, base n*n.
quint64 key(const Board& board) {
    quint64 k = 0;
    for (const CellPos& p : board.positions())
        k = k * static_cast<quint64>(board.cellCount()) +
            static_cast<quint64>(p.row * board.size() + p.col);
    return k;
}

// Every 3x3 arrangement a player can reach from the solved board, by breadth-first search.
const std::unordered_set<quint64>& reachable3x3() {
    static const std::unordered_set<quint64> seen = [] {
        std::unordered_set<quint64> found;
        std::vector<Board> frontier{Board(3)};
        found.insert(key(frontier.front()));
        while (!frontier.empty()) {
            std::vector<Board> next;
            for (const Board& b : frontier) {
                for (const Slide way : {Slide::Right, Slide::Left, Slide::Down, Slide::Up}) {
                    Board moved = b;
                    if (moved.slide(way) >= 0 && found.insert(key(moved)).second)
                        next.push_back(moved);
                }
            }
            frontier = std::move(next);
        }
        return found;
    }();
    return seen;
}

// The classic solvability rule for boards whose empty box belongs bottom right: the number of
// inversions of the tiles in reading order plus the empty box's distance in rows from the
// bottom must be even on even boards; on odd boards the inversions alone must be even.
bool solvable(const Board& board) {
    const int n = board.size();
    std::vector<int> reading(static_cast<unsigned>(board.cellCount()), -1);
    for (int c = 0; c < board.cellCount(); ++c) {
        const CellPos p = board.position(c);
        reading[static_cast<unsigned>(p.row * n + p.col)] = c;
    }
    int inversions = 0;
    for (unsigned i = 0; i < reading.size(); ++i) {
        for (unsigned j = i + 1; j < reading.size(); ++j) {
            if (reading[i] != board.emptyIndex() && reading[j] != board.emptyIndex() &&
                reading[i] > reading[j])
                ++inversions;
        }
    }
    const int rowsUp = n - 1 - board.position(board.emptyIndex()).row;
    return n % 2 == 1 ? inversions % 2 == 0 : (inversions + rowsUp) % 2 == 0;
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
    void everyScrambleOf3x3IsReachable();
    void everyScrambleIsSolvable_data();
    void everyScrambleIsSolvable();
    void systemRandomStaysInUnitInterval();
};

void tst_scramble::passCountRoundsHalfToEven_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("passes");
    QTest::newRow("3x3 lowest") << 0.0f << 3 << 1;
    QTest::newRow("3x3 just below 1.5") << 0.2499f << 3 << 1;
    QTest::newRow("3x3 1.5 ties to 2") << 0.25f << 3 << 2;
    QTest::newRow("3x3 2.5 ties to 2") << 0.75f << 3 << 2;
    QTest::newRow("3x3 just above 2.5") << 0.7501f << 3 << 3;
    QTest::newRow("4x4 2.5 ties to 2") << 0.5f << 4 << 2;
    QTest::newRow("4x4 highest") << 0.99999994f << 4 << 4;
    QTest::newRow("5x5 1.5 ties to 2") << 0.125f << 5 << 2;
    QTest::newRow("5x5 2.5 ties to 2") << 0.375f << 5 << 2;
    QTest::newRow("5x5 3.5 ties to 4") << 0.625f << 5 << 4;
    QTest::newRow("5x5 4.5 ties to 4") << 0.875f << 5 << 4;
    QTest::newRow("5x5 highest") << 0.99999994f << 5 << 5;
}

void tst_scramble::passCountRoundsHalfToEven() {
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, passes);
    QCOMPARE(scramble::passCount(r, n), passes);
}

// Each row: a board, how many passes in which way, and the board afterwards.
void tst_scramble::passRule_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<Slide>("way");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QString>("after");

    const QString solved3 = "1 2 3 / 4 5 6 / 7 8 .";
    // Tile 7 lies beyond tile 8 but has the lower index: it was scanned before 8 moved.
    QTest::newRow("solved 3x3, one pass: one column")
        << solved3 << Slide::Right << 1 << "1 2 3 / 4 5 6 / 7 . 8";
    QTest::newRow("solved 3x3, two passes: left border")
        << solved3 << Slide::Right << 2 << "1 2 3 / 4 5 6 / . 7 8";
    QTest::newRow("solved 3x3, three passes: nothing more")
        << solved3 << Slide::Right << 3 << "1 2 3 / 4 5 6 / . 7 8";
    QTest::newRow("ascending run carried in one pass")
        << "1 2 3 / 4 5 6 / . 7 8" << Slide::Left << 1 << "1 2 3 / 4 5 6 / 7 8 .";
    QTest::newRow("ascending column carried in one pass")
        << "1 2 . / 3 4 5 / 6 7 8" << Slide::Up << 1 << "1 2 5 / 3 4 8 / 6 7 .";
    QTest::newRow("descending column: one cell per pass")
        << "1 2 . / 3 4 8 / 6 7 5" << Slide::Up << 1 << "1 2 8 / 3 4 . / 6 7 5";
    QTest::newRow("top-left corner, right: unchanged")
        << ". 1 2 / 3 4 5 / 6 7 8" << Slide::Right << 1 << ". 1 2 / 3 4 5 / 6 7 8";
    QTest::newRow("top-left corner, down: unchanged")
        << ". 1 2 / 3 4 5 / 6 7 8" << Slide::Down << 1 << ". 1 2 / 3 4 5 / 6 7 8";
    QTest::newRow("4x4 row of ascending tiles, right")
        << "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 ." << Slide::Right << 1
        << "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 . 15";
}

void tst_scramble::passRule() {
    QFETCH(QString, before);
    QFETCH(Slide, way);
    QFETCH(int, passes);
    QFETCH(QString, after);
    Board board = boardFromText(before);
    for (int p = 0; p < passes; ++p)
        board.pass(way);
    QCOMPARE(boardToText(board), after);
}

void tst_scramble::usesFourDrawsPerCycle() {
    ScriptedRandom random({0.3f, 0.9f, 0.1f, 0.6f, 0.45f});
    Board board(4);
    scramble::run(board, random);
    QCOMPARE(random.draws(), 4 * scramble::kCycles);
    QVERIFY(!board.isSolved());
}

void tst_scramble::everyScrambleOf3x3IsReachable() {
    const auto& reachable = reachable3x3();
    QCOMPARE(reachable.size(), size_t(181440)); // half of 9!: the other half is unsolvable
    const auto random = makeSystemRandom();
    Board board(3);
    for (int i = 0; i < 500; ++i) {
        scramble::run(board, *random);
        QVERIFY2(reachable.count(key(board)) == 1, qPrintable(boardToText(board)));
    }
}

void tst_scramble::everyScrambleIsSolvable_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("3x3") << 3;
    QTest::newRow("4x4") << 4;
    QTest::newRow("5x5") << 5;
}

void tst_scramble::everyScrambleIsSolvable() {
    QFETCH(int, n);
    // The parity rule itself must tell a swapped pair apart, or it would prove nothing.
    Board swapped(n);
    std::vector<CellPos> positions = swapped.positions();
    std::swap(positions[0], positions[1]);
    swapped.setPositions(positions);
    QVERIFY(!solvable(swapped));

    const auto random = makeSystemRandom();
    Board board(n);
    int unsolved = 0;
    for (int i = 0; i < 300; ++i) {
        scramble::run(board, *random);
        QVERIFY2(solvable(board), qPrintable(boardToText(board)));
        unsolved += board.isSolved() ? 0 : 1;
    }
    QVERIFY(unsolved > 290);
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
    QVERIFY(low < 0.01f);
    QVERIFY(high > 0.99f);
}

QTEST_APPLESS_MAIN(tst_scramble)
#include "tst_scramble.moc"
