// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Repeated measurements of one quantity, summed up the way the benchmark reports them: the
// median, with the smallest and the largest value beside it.
class Samples {
public:
    void add(double value) { values_.push_back(value); }
    bool empty() const { return values_.empty(); }
    std::size_t count() const { return values_.size(); }
    double median() const;
    double min() const;
    double max() const;

private:
    std::vector<double> values_;
};

// "52.1 (48.0–60.3)": the median and the range, with the given number of decimals; "–" when
// nothing was measured.
std::string spread(const Samples& samples, int decimals = 1);

// "1.07×" from two medians; "–" when either is missing.
std::string ratio(double numerator, double denominator);

// "met" or "MISSED", so a reader finds the misses at a glance.
std::string verdict(bool met);

// Text padded with blanks to a width counted in characters, not bytes (the table uses "×" and
// "–"), so the columns line up.
std::string pad(const std::string& text, std::size_t width);

// Formats like printf into a std::string.
std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
