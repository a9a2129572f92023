// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"

class RandomSource;

// The shuffle that starts a game: 20 cycles, each pushing the empty box right-to-left, up,
// left-to-right and down in that order, each direction a random number of passes (1 to N).
// Starting from whatever arrangement the board has and making only legal slides, it can
// only produce solvable boards.
namespace scramble {

inline constexpr int kCycles = 20;

// The passes drawn from r in [0, 1) on an N x N board: r * (N - 1) + 1 in single precision,
// rounded to the nearest whole number, ties to even.
int passCount(float r, int n);

// Shuffles the board, drawing four values per cycle from the source.
void run(Board& board, RandomSource& random);

} // namespace scramble
