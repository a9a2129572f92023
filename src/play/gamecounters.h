// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The counters of one grid's game: seconds of play, counted moves and whether a scrambled game
// is in progress. They are 16-bit like the score tables that keep them, and stop at the limit
// instead of wrapping round to a negative count.
struct GameCounters {
    static constexpr std::int16_t kLimit = 32767;

    std::int16_t seconds = 0;
    std::int16_t moves = 0;
    std::int16_t scrambled = 0; // 1 while a scrambled game is in progress

    void tick() { seconds = bumped(seconds); }
    // Counts a move of a scrambled game; a move in free play counts nothing.
    bool countMove() {
        if (scrambled != 1)
            return false;
        moves = bumped(moves);
        return true;
    }
    // A new game begins (scramble) or the game is given up (Set).
    void restart(bool inProgress) {
        seconds = 0;
        moves = 0;
        scrambled = inProgress ? 1 : 0;
    }

private:
    static std::int16_t bumped(std::int16_t v) {
        return v < kLimit ? static_cast<std::int16_t>(v + 1) : kLimit;
    }
};
