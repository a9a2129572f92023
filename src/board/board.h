// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// Where a cell stands, counted in cells from the top-left corner of its board.
struct CellPos {
    int col = 0;
    int row = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

// The way a tile slides into the empty box.
enum class Slide {
    Right, // the tile on the empty box's left
    Left,  // the tile on the empty box's right
    Down,  // the tile above the empty box
    Up,    // the tile below the empty box
};

// One N x N board: cell c is a tile for c < N*N-1, and the last cell is the empty box. A
// cell's identity never changes, only its position; cell c is at home at column c mod N,
// row c div N, so the solved board has the empty box in the bottom-right corner.
class Board {
public:
    explicit Board(int n);

    int size() const { return n_; }
    int cellCount() const { return n_ * n_; }
    int emptyIndex() const { return n_ * n_ - 1; }

    CellPos position(int cell) const { return positions_[static_cast<unsigned>(cell)]; }
    CellPos home(int cell) const { return {cell % n_, cell / n_}; }
    bool isAtHome(int cell) const { return position(cell) == home(cell); }
    // Every tile at home; the empty box then is too.
    bool isSolved() const;

    // The tile that would slide into the empty box that way, searched in index order, or -1
    // when the empty box lies at that edge.
    int tileToSlide(Slide way) const;
    // Slides that tile, if there is one, and returns its index (-1 when nothing moved).
    int slide(Slide way);
    // One scramble pass: the tiles are scanned once in index order and each that is beside
    // the empty box on the named side slides into it. A run of ascending indices therefore
    // moves the empty box several cells in one pass. Returns how many tiles slid.
    int pass(Slide way);
    // Puts every cell back at home.
    void reset();

    // Places the cells as given; the positions must be a permutation of the home cells.
    void setPositions(const std::vector<CellPos>& positions);
    const std::vector<CellPos>& positions() const { return positions_; }

private:
    bool besideEmpty(int tile, Slide way) const;
    void swapWithEmpty(int tile);

    int n_;
    std::vector<CellPos> positions_;
};
