#include "board/board.h"
#include "board/boardview.h"
#include "board/tile.h"

#include <QAccessible>
#include <QTest>

Q_DECLARE_METATYPE(Slide)

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which) {
    return QAccessible::queryAccessibleInterface(widget)->text(which);
}

// The place a cell is drawn at, read from its geometry rather than from the model.
QString drawnPlace(const BoardView& view, int cell) {
    const QPoint at = view.cell(cell)->pos();
    return QStringLiteral("Row %1, column %2")
        .arg(at.y() / view.grid().stepH + 1)
        .arg(at.x() / view.grid().stepW + 1);
}

} // namespace

class tst_tileaccessibility : public QObject {
    Q_OBJECT

private slots:
    void cellsAreNamedAndPlaced_data();
    void cellsAreNamedAndPlaced();
    void descriptionsFollowTheTiles_data();
    void descriptionsFollowTheTiles();
};

void tst_tileaccessibility::cellsAreNamedAndPlaced_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("boardName");
    QTest::newRow("5x5") << int(kSlot5x5) << "5x5 board";
    QTest::newRow("4x4") << int(kSlot4x4) << "4x4 board";
    QTest::newRow("3x3") << int(kSlot3x3) << "3x3 board";
}

void tst_tileaccessibility::cellsAreNamedAndPlaced() {
    QFETCH(int, slot);
    QFETCH(QString, boardName);
    const GridGeometry& grid = kGrids[static_cast<unsigned>(slot)];
    BoardView view(grid, nullptr);
    QCOMPARE(accessibleText(&view, QAccessible::Name), boardName);
    for (int c = 0; c < grid.cellCount(); ++c) {
        Tile* cell = view.cell(c);
        const QString expected =
            cell->isEmptyBox() ? QStringLiteral("Empty box") : QStringLiteral("Tile %1").arg(c + 1);
        QCOMPARE(accessibleText(cell, QAccessible::Name), expected);
        QCOMPARE(accessibleText(cell, QAccessible::Description), drawnPlace(view, c));
    }
    QCOMPARE(accessibleText(view.cell(0), QAccessible::Description),
             QStringLiteral("Row 1, column 1"));
    QCOMPARE(accessibleText(view.emptyBox(), QAccessible::Description),
             QStringLiteral("Row %1, column %1").arg(grid.n));
}

// Each row: a grid, the slides played, and the tile whose place must be told afterwards.
void tst_tileaccessibility::descriptionsFollowTheTiles_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<Slide>>("slides");
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("place");

    QTest::newRow("3x3 one right")
        << int(kSlot3x3) << QList<Slide>{Slide::Right} << 7 << "Row 3, column 3";
    QTest::newRow("4x4 down then right")
        << int(kSlot4x4) << QList<Slide>{Slide::Down, Slide::Right} << 10 << "Row 3, column 4";
    QTest::newRow("5x5 there and back")
        << int(kSlot5x5) << QList<Slide>{Slide::Down, Slide::Up} << 19 << "Row 4, column 5";
}

void tst_tileaccessibility::descriptionsFollowTheTiles() {
    QFETCH(int, slot);
    QFETCH(QList<Slide>, slides);
    QFETCH(int, tile);
    QFETCH(QString, place);
    const GridGeometry& grid = kGrids[static_cast<unsigned>(slot)];
    BoardView view(grid, nullptr);
    Board board(grid.n);
    for (Slide way : slides) {
        QVERIFY(board.slide(way) >= 0);
        view.showPositions(board);
    }
    QCOMPARE(accessibleText(view.cell(tile), QAccessible::Description), place);
    for (int c = 0; c < grid.cellCount(); ++c)
        QCOMPARE(accessibleText(view.cell(c), QAccessible::Description), drawnPlace(view, c));
}

QTEST_MAIN(tst_tileaccessibility)
#include "tst_tileaccessibility.moc"
