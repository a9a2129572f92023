// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/scoreentry.h"

#include <QString>
#include <array>
#include <optional>

// The ten best results of one grid size, fewest moves first. Used entries come first, in
// ascending moves with the earlier of two equal results above the later; unused ones follow.
class ScoreTable {
public:
    static constexpr int Size = 10;

    const ScoreEntry& entry(int index) const;

    // Takes entry `index` as the store holds it. A moves text that is not a positive 16-bit
    // number cannot have been written by the game, so it reads like a missing one.
    void setStored(int index, const QString& movesText, const QString& name);
    // Brings every movesText up to date with its moves, just before the table is stored.
    void refreshMovesText();

    // Ranks a result and makes room for it; the index it took, if any. Ties go below the
    // earlier results, so a full table does not take a result equal to its tenth entry. The
    // entry keeps the name it held (the one pushed down, or " None") until setName replaces it.
    std::optional<int> enter(qint16 moves);
    void setName(int index, const QString& name);

private:
    // The entry being pushed one rank down while the table makes room for a new result.
    struct Carry {
        QString moves;
        QString name;
    };

    std::optional<int> rankFor(qint16 moves) const;
    // Pushes entries intEmbd..8 one rank down, each taking over the carry and handing its own
    // moves and name on; the old tenth entry is left in the carry. Entry intEmbd is untouched.
    void Embed(qint16 intEmbd, Carry& carry);

    std::array<ScoreEntry, Size> entries_;
};
