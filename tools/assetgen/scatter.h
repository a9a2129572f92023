// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A fixed-seed generator of its own, so that the pictures come out the same with every
// compiler and standard library.

#include <QtGlobal>
#include <cstdint>

class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    // The next number in [0, 1).
    qreal next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<qreal>(state_ >> 8) / static_cast<qreal>(1u << 24);
    }
    // The next number in [low, high).
    qreal between(qreal low, qreal high) { return low + next() * (high - low); }

private:
    std::uint32_t state_;
};
