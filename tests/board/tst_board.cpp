#include "board/board.h"
#include "support/boardtext.h"

#include <QTest>

Q_DECLARE_METATYPE(Slide)

class tst_board : public QObject {
    Q_OBJECT
private slots:
    void startsSolved();
    void slides_data();
    void slides();
};

void tst_board::startsSolved() {
    QCOMPARE(boardToText(Board(3)), "1 2 3 / 4 5 6 / 7 8 .");
}

// Each row: a board, a slide, the tile that moved (-1: none), the board after it and whether
// that one is solved. Around the centre, a lower-numbered tile always stands on the same row or
// column as the right one, so a tile is only taken when it is beside the box the right way.
void tst_board::slides_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<Slide>("way");
    QTest::addColumn<int>("moved");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("solved");

    const QString solved4 = "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 .";
    QTest::newRow("bottom-right, left") << solved4 << Slide::Left << -1 << solved4 << true;
    QTest::newRow("bottom-right, up") << solved4 << Slide::Up << -1 << solved4 << true;
    const QString topLeft = ". 1 2 / 3 4 5 / 6 7 8";
    QTest::newRow("top-left, right") << topLeft << Slide::Right << -1 << topLeft << false;
    QTest::newRow("top-left, down") << topLeft << Slide::Down << -1 << topLeft << false;

    const QString centre = "1 2 3 / 4 . 5 / 6 7 8";
    QTest::newRow("centre, right")
        << centre << Slide::Right << 3 << "1 2 3 / . 4 5 / 6 7 8" << false;
    QTest::newRow("centre, left") << centre << Slide::Left << 4 << "1 2 3 / 4 5 . / 6 7 8" << false;
    QTest::newRow("centre, down") << centre << Slide::Down << 1 << "1 . 3 / 4 2 5 / 6 7 8" << false;
    QTest::newRow("centre, up") << centre << Slide::Up << 6 << "1 2 3 / 4 7 5 / 6 . 8" << false;

    QTest::newRow("last slide home")
        << "1 2 3 / 4 5 6 / 7 . 8" << Slide::Left << 7 << "1 2 3 / 4 5 6 / 7 8 ." << true;
    QTest::newRow("box home, two tiles swapped")
        << "2 1 3 / 4 5 6 / 7 8 ." << Slide::Up << -1 << "2 1 3 / 4 5 6 / 7 8 ." << false;
}

void tst_board::slides() {
    QFETCH(QString, before);
    QFETCH(Slide, way);
    QFETCH(int, moved);
    QFETCH(QString, after);
    QFETCH(bool, solved);
    Board board = boardFromText(before);
    QCOMPARE(board.slide(way), moved);
    QCOMPARE(boardToText(board), after);
    QCOMPARE(board.isSolved(), solved);
}

QTEST_APPLESS_MAIN(tst_board)
#include "tst_board.moc"
