#pragma once

#include "board/board.h"

#include <vector>

// The shortest sequence of slides that brings a 3x3 board home, by breadth-first search over
// the arrangements. Empty when the board is solved already or cannot be solved.
std::vector<Slide> solve3x3(const Board& board);
