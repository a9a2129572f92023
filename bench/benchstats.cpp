// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchstats.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

double Samples::median() const {
    if (values_.empty())
        return 0;
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t mid = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

double Samples::min() const {
    return values_.empty() ? 0 : *std::min_element(values_.begin(), values_.end());
}

double Samples::max() const {
    return values_.empty() ? 0 : *std::max_element(values_.begin(), values_.end());
}

std::string spread(const Samples& samples, int decimals) {
    if (samples.empty())
        return "–";
    return format("%.*f (%.*f–%.*f)", decimals, samples.median(), decimals, samples.min(), decimals,
                  samples.max());
}

std::string ratio(double numerator, double denominator) {
    if (numerator <= 0 || denominator <= 0)
        return "–";
    return format("%.2f×", numerator / denominator);
}

std::string verdict(bool met) {
    return met ? "met" : "MISSED";
}

std::string pad(const std::string& text, std::size_t width) {
    // UTF-8 continuation bytes do not start a character.
    const auto characters = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    return characters >= width ? text + " " : text + std::string(width - characters, ' ');
}

std::string format(const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, pattern, args);
    va_end(args);
    std::string text(static_cast<std::size_t>(std::max(size, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), pattern, again);
    va_end(again);
    text.resize(text.size() - 1);
    return text;
}
