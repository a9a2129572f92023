#include "board/board.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "windows/accessiblecontrols.h"

#include <QTest>

Q_DECLARE_METATYPE(Slide)

// A screen reader hears each cell's number and the place it is drawn at, also after moves.
class tst_tileaccessibility : public QObject {
    Q_OBJECT
private slots:
    void descriptionsFollowTheTiles_data();
    void descriptionsFollowTheTiles();
};

// Each row: a grid, the slides played, and one cell whose place must then be told.
void tst_tileaccessibility::descriptionsFollowTheTiles_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("boardName");
    QTest::addColumn<QList<Slide>>("slides");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("place");
    QTest::newRow("5x5 as built") << int(kSlot5x5) << "5x5 board" << QList<Slide>{} << 24
                                  << "Row 5, column 5";
    QTest::newRow("3x3 one right")
        << int(kSlot3x3) << "3x3 board" << QList<Slide>{Slide::Right} << 7 << "Row 3, column 3";
    QTest::newRow("4x4 down then right")
        << int(kSlot4x4) << "4x4 board" << QList<Slide>{Slide::Down, Slide::Right} << 10
        << "Row 3, column 4";
}

void tst_tileaccessibility::descriptionsFollowTheTiles() {
    QFETCH(int, slot);
    QFETCH(QString, boardName);
    QFETCH(QList<Slide>, slides);
    QFETCH(int, cell);
    QFETCH(QString, place);
    const GridGeometry& grid = kGrids[static_cast<unsigned>(slot)];
    BoardView view(grid, nullptr);
    Board board(grid.n);
    for (const Slide way : slides) {
        board.slide(way);
        view.showPositions(board);
    }
    QCOMPARE(accessibleText(&view, QAccessible::Name), boardName);
    QCOMPARE(accessibleText(view.cell(cell), QAccessible::Description), place);
    // Every other cell too, read from where it is drawn rather than from the model.
    for (int c = 0; c < grid.cellCount(); ++c) {
        const QPoint at = view.cell(c)->pos();
        QCOMPARE(accessibleText(view.cell(c), QAccessible::Description),
                 QStringLiteral("Row %1, column %2")
                     .arg(at.y() / grid.stepH + 1)
                     .arg(at.x() / grid.stepW + 1));
        QCOMPARE(accessibleText(view.cell(c), QAccessible::Name),
                 c < grid.emptyIndex() ? QStringLiteral("Tile %1").arg(c + 1) : "Empty box");
    }
}

QTEST_MAIN(tst_tileaccessibility)
#include "tst_tileaccessibility.moc"
