// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// What one grid size looks like on the screen. Everything that belongs to one size is tied
// together by its slot: 0 is the 5x5 board, 1 the 4x4 board, 2 the 3x3 board.
struct GridGeometry {
    int slot;
    int n;     // cells per row and per column
    int stepW; // width of one cell in pixels
    int stepH; // height of one cell in pixels

    constexpr int cellCount() const { return n * n; }
    constexpr int emptyIndex() const { return n * n - 1; }
    constexpr int boardWidth() const { return n * stepW; }
    constexpr int boardHeight() const { return n * stepH; }
};

inline constexpr int kSlotCount = 3;
inline constexpr int kSlot5x5 = 0;
inline constexpr int kSlot4x4 = 1;
inline constexpr int kSlot3x3 = 2;

inline constexpr std::array<GridGeometry, kSlotCount> kGrids{{
    {kSlot5x5, 5, 84, 65},
    {kSlot4x4, 4, 105, 81},
    {kSlot3x3, 3, 140, 108},
}};

// Every board is this wide; the heights differ by a pixel (325 or 324).
inline constexpr int kBoardWidth = 420;
