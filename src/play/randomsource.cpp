// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/randomsource.h"

#include <random>

namespace {
class SystemRandom final : public RandomSource {
public:
    SystemRandom() : engine_(std::random_device{}()) {}

    // The top 24 bits of a 32-bit draw scaled by 2^-24 are exact in single precision and
    // never reach 1, which a float uniform_real_distribution cannot promise.
    float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};
} // namespace

std::unique_ptr<RandomSource> makeSystemRandom() {
    return std::make_unique<SystemRandom>();
}
