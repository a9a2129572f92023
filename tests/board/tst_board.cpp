// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "support/boardtext.h"
#include "windows/accessiblecontrols.h"

#include <QTest>

Q_DECLARE_METATYPE(Slide)

class tst_board : public QObject {
    Q_OBJECT
private slots:

    // Each row: a board, a slide, the tile that moved (-1: none), the board after it and whether
    // that one is solved. Around the centre, a lower-numbered tile always stands on the same row or
    // column as the right one, so a tile is only taken when it is beside the box the right way.
    void slides_data() {
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
        QTest::newRow("centre, left")
            << centre << Slide::Left << 4 << "1 2 3 / 4 5 . / 6 7 8" << false;
        QTest::newRow("centre, down")
            << centre << Slide::Down << 1 << "1 . 3 / 4 2 5 / 6 7 8" << false;
        QTest::newRow("centre, up") << centre << Slide::Up << 6 << "1 2 3 / 4 7 5 / 6 . 8" << false;

        const QString lastOut = "1 2 3 / 4 5 6 / 7 . 8";
        QTest::newRow("all but the last tile home")
            << lastOut << Slide::Up << -1 << lastOut << false;
        QTest::newRow("last slide home")
            << lastOut << Slide::Left << 7 << "1 2 3 / 4 5 6 / 7 8 ." << true;
        QTest::newRow("box home, two tiles swapped")
            << "2 1 3 / 4 5 6 / 7 8 ." << Slide::Up << -1 << "2 1 3 / 4 5 6 / 7 8 ." << false;
    }

    void slides() {
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

    // A screen reader hears each cell's number and the place it is drawn at, also after moves.
    void descriptionsFollowTheTiles() {
        for (const auto& [slot, slides] : {std::pair(kSlot5x5, QList<Slide>{}),
                                           {kSlot3x3, {Slide::Right}},
                                           {kSlot4x4, {Slide::Down, Slide::Right}}}) {
            const GridGeometry& grid = kGrids[static_cast<unsigned>(slot)];
            BoardView view(grid, nullptr);
            Board board(grid.n);
            for (const Slide way : slides) {
                board.slide(way);
                view.showPositions(board);
            }
            QCOMPARE(accessibleText(&view, QAccessible::Name), QString("%1x%1 board").arg(grid.n));
            for (int c = 0; c < grid.cellCount(); ++c) {
                const CellPos p = board.position(c);
                const QPoint at = view.cell(c)->pos();
                QCOMPARE(QPoint(at.x() / grid.stepW, at.y() / grid.stepH), QPoint(p.col, p.row));
                // A tile marked as misplaced says so after its place.
                view.setMarked(0, true);
                QCOMPARE(accessibleText(view.cell(c), QAccessible::Description),
                         QString("Row %1, column %2%3")
                             .arg(p.row + 1)
                             .arg(p.col + 1)
                             .arg(c ? "" : ", not in place"));
                QCOMPARE(accessibleText(view.cell(c), QAccessible::Name),
                         c < grid.emptyIndex() ? QString("Tile %1").arg(c + 1) : "Empty box");
            }
        }
    }
};

QTEST_MAIN(tst_board)
#include "tst_board.moc"
