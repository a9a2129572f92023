// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playbench.h"

#include "benchstats.h"
#include "benchwindow.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "paintcounter.h"

#include <QElapsedTimer>
#include <cstdio>
#include <random>

namespace {

constexpr int kLabelWidth = 40;
constexpr const char* kGridNames[] = {"5×5", "4×4", "3×3"};

int keyFor(Slide way) {
    switch (way) {
    case Slide::Right:
        return Qt::Key_Right;
    case Slide::Left:
        return Qt::Key_Left;
    case Slide::Down:
        return Qt::Key_Down;
    case Slide::Up:
        return Qt::Key_Up;
    }
    return Qt::Key_Right;
}

// A slide that moves a tile and does not solve the board (which would end the game and open
// the game-over window in the middle of the measurement).
Slide pickSlide(const Board& board, std::mt19937& random) {
    static constexpr Slide ways[] = {Slide::Right, Slide::Left, Slide::Down, Slide::Up};
    for (;;) {
        const Slide way = ways[random() % 4];
        Board after = board;
        if (after.slide(way) >= 0 && !after.isSolved())
            return way;
    }
}

QRegion cellArea(const BoardView* view, int cell) {
    return QRegion(view->cell(cell)->geometry());
}

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

bool benchPlay(BenchWindow& bench, PaintCounter& paints, int moves, int scrambles) {
    frmmain& window = bench.window();
    std::mt19937 random(20240601);
    Samples moveMs[kSlotCount];
    Samples scrambleMs[kSlotCount];
    int exactMoves[kSlotCount] = {};
    int scrambledCells[kSlotCount] = {};
    QStringList alsoPainted;
    bool onlyTwo = true;

    for (const int slot : {kSlot3x3, kSlot4x4, kSlot5x5}) {
        bench.chooseGrid(slot);
        const BoardView* view = window.boardView(slot);
        for (int i = 0; i < scrambles; ++i) {
            const std::vector<CellPos> before = window.board(slot).positions();
            paints.reset();
            QElapsedTimer timer;
            timer.start();
            bench.press(Qt::Key_S);
            std::set<int> moved;
            for (int c = 0; c < view->grid().cellCount(); ++c) {
                if (window.board(slot).position(c) != before[static_cast<unsigned>(c)])
                    moved.insert(c);
            }
            if (!paints.waitForCells(slot, moved))
                std::fprintf(stderr, "scramble %d on %s: the board was not repainted\n", i + 1,
                             kGridNames[slot]);
            scrambleMs[slot].add(elapsedMs(timer));
            scrambledCells[slot] = std::max(scrambledCells[slot], int(moved.size()));
            settle(20);
        }

        for (int i = 0; i < moves; ++i) {
            const Board& board = window.board(slot);
            const Slide way = pickSlide(board, random);
            const std::set<int> touched{board.tileToSlide(way), board.emptyIndex()};
            paints.reset();
            QElapsedTimer timer;
            timer.start();
            bench.press(keyFor(way));
            const bool shown = paints.waitForCells(slot, touched);
            const double ms = elapsedMs(timer);
            // Whatever else gets repainted for this move shows up by now.
            settle(20);
            if (!shown) {
                std::fprintf(stderr, "move %d on %s: the two cells were not repainted\n", i + 1,
                             kGridNames[slot]);
                onlyTwo = false;
                continue;
            }
            moveMs[slot].add(ms);
            QRegion expected;
            for (const int c : touched)
                expected += cellArea(view, c);
            // Whatever else was painted over the board must lie within the two cells.
            const QPoint origin = view->mapTo(&window, QPoint(0, 0));
            const QRect boardArea(origin, view->size());
            const QRegion elsewhereOnBoard =
                (paints.windowRegion() & boardArea) - expected.translated(origin);
            if (paints.paintedCells(slot) == touched && paints.paintedRegion(slot) == expected &&
                elsewhereOnBoard.isEmpty())
                ++exactMoves[slot];
            else
                onlyTwo = false;
            for (const QString& name : paints.otherPaintedOutside(boardArea)) {
                if (!alsoPainted.contains(name))
                    alsoPainted << name;
            }
        }
    }

    std::printf("Moves: %d per grid size, after a scramble (ms from the arrow key until both cells "
                "are repainted on the screen)\n",
                moves);
    for (const int slot : {kSlot5x5, kSlot4x4, kSlot3x3}) {
        std::printf("  %s%s   only the two cells repainted: %d of %d moves\n",
                    pad(format("%s move", kGridNames[slot]), kLabelWidth).c_str(),
                    pad(spread(moveMs[slot], 2), 22).c_str(), exactMoves[slot], moves);
    }
    std::printf("  repainted off the board by moves: %s\n",
                alsoPainted.isEmpty() ? "none"
                                      : qPrintable(alsoPainted.join(QStringLiteral(", "))));
    std::printf("\nScrambles: %d per grid size (ms from the S key until every moved cell is "
                "repainted)\n",
                scrambles);
    for (const int slot : {kSlot5x5, kSlot4x4, kSlot3x3}) {
        std::printf("  %s%s   cells moved: up to %d\n",
                    pad(format("%s scramble", kGridNames[slot]), kLabelWidth).c_str(),
                    pad(spread(scrambleMs[slot], 2), 22).c_str(), scrambledCells[slot]);
    }
    std::printf("\n");
    return onlyTwo;
}
