// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/scoretable.h"

#include <QString>
#include <array>
#include <optional>

class SettingsStore;

// The least-moves tables of the three grid sizes (slot 0 = 5x5, 1 = 4x4, 2 = 3x3) and their
// place in the settings store. The tables in memory and in the store agree after every save.
class ScoreTables {
public:
    static constexpr int SlotCount = 3;

    explicit ScoreTables(SettingsStore& store);

    const ScoreTable& table(int slot) const;

    // Reads all three tables from the store again; an empty store gives unused entries.
    void read();
    // Writes all sixty values, unused entries as "0" and " None".
    void save();

    // Ranks a finished game into its table and, when it takes a rank, saves at once: the new
    // moves then stand beside the name of the entry pushed down until storeName replaces it.
    std::optional<int> rank(int slot, qint16 moves);
    // Gives the latest ranked result its name and saves: " " + typed, or " None" when nothing
    // was typed. Does nothing at all when the latest finished game took no rank.
    void storeName(int slot, const QString& typed);

private:
    SettingsStore& store_;
    std::array<ScoreTable, SlotCount> tables_;
    // Where the latest ranked result went, and whether the latest result took a rank at all.
    qint16 intNewRank_ = 0;
    bool latestRanked_ = false;
};
