// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/scramble.h"

#include "play/randomsource.h"

#include <array>
#include <cmath>

namespace scramble {

int passCount(float r, int n) {
    const float x = r * static_cast<float>(n - 1) + 1.0f;
    return static_cast<int>(std::nearbyint(x));
}

void run(Board& board, RandomSource& random) {
    // The direction the empty box travels in, one after another: left, up, right, down.
    static constexpr std::array<Slide, 4> kWays{Slide::Right, Slide::Down, Slide::Left, Slide::Up};
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        for (const Slide way : kWays) {
            const int passes = passCount(random.next(), board.size());
            for (int p = 0; p < passes; ++p)
                board.pass(way);
        }
    }
}

} // namespace scramble
