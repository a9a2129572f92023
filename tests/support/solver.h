// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"

#include <vector>

// Whether sliding can bring the board home, worked out from the arrangement alone: the cells
// must stand on distinct places of the board, and as every slide swaps the empty box with a
// neighbour (one transposition, one step of the box), the arrangement's parity must equal the
// parity of the empty box's distance from home.
bool solvable(const Board& board);

// The shortest sequence of slides that brings a 3x3 board home, by breadth-first search over
// the arrangements; home is where a new board stands, not what the board thinks is solved.
// Empty when the board is home already or cannot get there.
std::vector<Slide> solve3x3(const Board& board);
