// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

// A source of independent uniform values in [0, 1). The game draws from it while scrambling;
// tests hand in a scripted one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The real source: one generator seeded once from the operating system, so draws that follow
// each other within one clock tick are still independent.
std::unique_ptr<RandomSource> makeSystemRandom();
