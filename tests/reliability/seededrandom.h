#pragma once

#include "play/randomsource.h"

#include <random>

// A random source that repeats itself from run to run, so a failure found by a long random
// run can be replayed from its seed.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}

    float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }
    // A whole number from 0 to bound - 1.
    int below(int bound) { return static_cast<int>(engine_() % static_cast<unsigned>(bound)); }
    std::mt19937& engine() { return engine_; }

private:
    std::mt19937 engine_;
};
