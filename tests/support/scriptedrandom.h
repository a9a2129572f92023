// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "play/randomsource.h"

#include <QList>

// A random source that plays back the values it was given, over and over, and counts draws.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> values) : values_(std::move(values)) {}

    float next() override { return values_[draws_++ % values_.size()]; }
    int draws() const { return static_cast<int>(draws_); }

private:
    QList<float> values_;
    qsizetype draws_ = 0;
};
