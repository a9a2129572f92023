// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a screen reader sees a board: its description is the state of its game, read when asked,
// so that a "where am I" command hears the counters while nothing speaks them at every second;
// its voices are children of it, which a screen reader asks before it speaks an object.
void installBoardAccessibility();
