#include "board/board.h"
#include "support/boardtext.h"

#include <QTest>

Q_DECLARE_METATYPE(Slide)

class tst_board : public QObject {
    Q_OBJECT
private slots:
    void startsSolvedWithEmptyBoxBottomRight_data();
    void startsSolvedWithEmptyBoxBottomRight();
    void slides_data();
    void slides();
    void neverMovesADiagonalNeighbour();
    void solvedTest_data();
    void solvedTest();
    void resetPutsEveryCellHome();
    void rejectsPositionsThatAreNotAPermutation();
};

void tst_board::startsSolvedWithEmptyBoxBottomRight_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("3x3") << 3;
    QTest::newRow("4x4") << 4;
    QTest::newRow("5x5") << 5;
}

void tst_board::startsSolvedWithEmptyBoxBottomRight() {
    QFETCH(int, n);
    const Board board(n);
    QVERIFY(board.isSolved());
    QCOMPARE(board.position(board.emptyIndex()), (CellPos{n - 1, n - 1}));
    QCOMPARE(board.position(n), (CellPos{0, 1}));
}

// Each row: a board, a slide, and the board after it ("same" when nothing may move).
void tst_board::slides_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<Slide>("way");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("moved");

    const QString solved4 = "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 .";
    QTest::newRow("fresh 4x4 right")
        << solved4 << Slide::Right << "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 . 15" << 14;
    QTest::newRow("fresh 4x4 down")
        << solved4 << Slide::Down << "1 2 3 4 / 5 6 7 8 / 9 10 11 . / 13 14 15 12" << 11;
    QTest::newRow("fresh 4x4 left: right edge") << solved4 << Slide::Left << solved4 << -1;
    QTest::newRow("fresh 4x4 up: bottom edge") << solved4 << Slide::Up << solved4 << -1;

    const QString topLeft = ". 1 2 / 3 4 5 / 6 7 8";
    QTest::newRow("top-left right: left edge") << topLeft << Slide::Right << topLeft << -1;
    QTest::newRow("top-left down: top edge") << topLeft << Slide::Down << topLeft << -1;
    QTest::newRow("top-left left") << topLeft << Slide::Left << "1 . 2 / 3 4 5 / 6 7 8" << 0;
    QTest::newRow("top-left up") << topLeft << Slide::Up << "3 1 2 / . 4 5 / 6 7 8" << 2;

    const QString middle =
        "1 2 3 4 5 / 6 7 8 9 10 / 11 12 . 13 14 / 15 16 17 18 19 / 20 21 22 23 24";
    QTest::newRow("5x5 centre right")
        << middle << Slide::Right
        << "1 2 3 4 5 / 6 7 8 9 10 / 11 . 12 13 14 / 15 16 17 18 19 / 20 21 22 23 24" << 11;
    QTest::newRow("5x5 centre up")
        << middle << Slide::Up
        << "1 2 3 4 5 / 6 7 8 9 10 / 11 12 17 13 14 / 15 16 . 18 19 / 20 21 22 23 24" << 16;

    const QString bottomRight = "1 2 3 / 4 5 6 / 7 8 .";
    QTest::newRow("bottom-right up: bottom edge") << bottomRight << Slide::Up << bottomRight << -1;
}

void tst_board::slides() {
    QFETCH(QString, before);
    QFETCH(Slide, way);
    QFETCH(QString, after);
    QFETCH(int, moved);
    Board board = boardFromText(before);
    QCOMPARE(board.slide(way), moved);
    QCOMPARE(boardToText(board), after);
}

void tst_board::neverMovesADiagonalNeighbour() {
    // Tile 5 stands diagonally above-left of the empty box in the centre.
    for (const Slide way : {Slide::Right, Slide::Left, Slide::Down, Slide::Up}) {
        Board board = boardFromText("1 2 3 / 4 . 5 / 6 7 8");
        const CellPos diagonal = board.position(0);
        board.slide(way);
        QCOMPARE(board.position(0), diagonal);
    }
}

void tst_board::solvedTest_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("solved");
    QTest::newRow("solved") << "1 2 3 / 4 5 6 / 7 8 ." << true;
    QTest::newRow("last tile beside the box") << "1 2 3 / 4 5 6 / 7 . 8" << false;
    QTest::newRow("first two swapped") << "2 1 3 / 4 5 6 / 7 8 ." << false;
    QTest::newRow("empty box top-left") << ". 1 2 / 3 4 5 / 6 7 8" << false;
}

void tst_board::solvedTest() {
    QFETCH(QString, board);
    QFETCH(bool, solved);
    QCOMPARE(boardFromText(board).isSolved(), solved);
}

void tst_board::resetPutsEveryCellHome() {
    Board board = boardFromText("6 1 2 3 / 5 . 10 4 / 9 7 11 8 / 13 14 15 12");
    board.reset();
    QVERIFY(board.isSolved());
    QCOMPARE(board.position(15), (CellPos{3, 3}));
    for (int c = 0; c < 15; ++c)
        QCOMPARE(board.position(c), (CellPos{c % 4, c / 4}));
}

void tst_board::rejectsPositionsThatAreNotAPermutation() {
    Board board(3);
    std::vector<CellPos> twice = board.positions();
    twice[1] = twice[0];
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, board.setPositions(twice));
    std::vector<CellPos> outside = board.positions();
    outside[0] = {3, 0};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, board.setPositions(outside));
    QVERIFY(board.isSolved());
}

QTEST_APPLESS_MAIN(tst_board)
#include "tst_board.moc"
