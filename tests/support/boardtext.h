// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"

#include <QString>

// Boards written as text, row by row: tile numbers (index + 1) and "." for the empty box,
// e.g. "1 2 3 / 4 5 6 / 7 . 8". Makes hand-built boards readable in tests.
Board boardFromText(const QString& text);
QString boardToText(const Board& board);
