// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board.h"

#include <stdexcept>

Board::Board(int n) : n_(n) {
    if (n < 2)
        throw std::invalid_argument("a board needs at least 2 x 2 cells");
    reset();
}

void Board::reset() {
    positions_.resize(static_cast<unsigned>(cellCount()));
    for (int c = 0; c < cellCount(); ++c)
        positions_[static_cast<unsigned>(c)] = home(c);
}

bool Board::isSolved() const {
    for (int c = 0; c < emptyIndex(); ++c) {
        if (!isAtHome(c))
            return false;
    }
    return true;
}

bool Board::besideEmpty(int tile, Slide way) const {
    const CellPos t = position(tile);
    const CellPos e = position(emptyIndex());
    switch (way) {
    case Slide::Right:
        return t.col + 1 == e.col && t.row == e.row;
    case Slide::Left:
        return t.col - 1 == e.col && t.row == e.row;
    case Slide::Down:
        return t.row + 1 == e.row && t.col == e.col;
    case Slide::Up:
        return t.row - 1 == e.row && t.col == e.col;
    }
    return false;
}

void Board::swapWithEmpty(int tile) {
    std::swap(positions_[static_cast<unsigned>(tile)],
              positions_[static_cast<unsigned>(emptyIndex())]);
}

int Board::tileToSlide(Slide way) const {
    for (int t = 0; t < emptyIndex(); ++t) {
        if (besideEmpty(t, way))
            return t;
    }
    return -1;
}

int Board::slide(Slide way) {
    const int t = tileToSlide(way);
    if (t >= 0)
        swapWithEmpty(t);
    return t;
}

int Board::pass(Slide way) {
    int moved = 0;
    for (int t = 0; t < emptyIndex(); ++t) {
        if (besideEmpty(t, way)) {
            swapWithEmpty(t);
            ++moved;
        }
    }
    return moved;
}

void Board::setPositions(const std::vector<CellPos>& positions) {
    if (positions.size() != static_cast<unsigned>(cellCount()))
        throw std::invalid_argument("wrong number of cells");
    std::vector<bool> seen(positions.size(), false);
    for (const CellPos& p : positions) {
        if (p.col < 0 || p.col >= n_ || p.row < 0 || p.row >= n_)
            throw std::invalid_argument("cell outside the board");
        const auto at = static_cast<unsigned>(p.row * n_ + p.col);
        if (seen[at])
            throw std::invalid_argument("two cells on one place");
        seen[at] = true;
    }
    positions_ = positions;
}
