// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class BenchWindow;
class PaintCounter;

// Moves and scrambles on each grid size, timed from the key press until the board on the
// screen shows the result, with a count of what was repainted. Prints its part of the table;
// returns false when a move repainted other cells than the two it touches.
bool benchPlay(BenchWindow& bench, PaintCounter& paints, int moves, int scrambles);
