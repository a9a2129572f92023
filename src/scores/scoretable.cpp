// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/scoretable.h"

#include "settings/settingtext.h"

#include <utility>

namespace {

// Hand-edited values may be anything; only positive 16-bit numbers are results.
qint16 movesFromText(const QString& text) {
    const qint16 moves = toInt16(text).value_or(0);
    return moves > 0 ? moves : qint16(0);
}

} // namespace

const ScoreEntry& ScoreTable::entry(int index) const {
    return entries_.at(index);
}

void ScoreTable::setStored(int index, const QString& movesText, const QString& name) {
    ScoreEntry& e = entries_.at(index);
    e.moves = movesFromText(movesText);
    // "0" is how the game stores an unused entry; any other unusable text reads as missing.
    const bool usable = e.moves > 0 || movesText == QLatin1String("0");
    e.movesText = usable ? movesText : QString();
    e.name = name;
}

void ScoreTable::refreshMovesText() {
    for (ScoreEntry& e : entries_)
        e.movesText = QString::number(e.moves);
}

std::optional<int> ScoreTable::rankFor(qint16 moves) const {
    for (int i = 0; i < Size; ++i) {
        if (entries_[i].moves == 0 || moves < entries_[i].moves)
            return i;
    }
    return std::nullopt;
}

void ScoreTable::Embed(qint16 intEmbd, Carry& carry) {
    Q_ASSERT(intEmbd >= 0 && intEmbd < Size);
    for (int j = intEmbd; j < Size - 1; ++j) {
        ScoreEntry& below = entries_[j + 1];
        Carry kept{QString::number(below.moves), below.name};
        below.moves = movesFromText(carry.moves);
        below.name = carry.name;
        carry = std::move(kept);
    }
}

std::optional<int> ScoreTable::enter(qint16 moves) {
    const std::optional<int> rank = rankFor(moves);
    if (!rank)
        return std::nullopt;
    ScoreEntry& taken = entries_[*rank];
    if (taken.moves != 0) {
        Carry carry{QString::number(taken.moves), taken.name};
        Embed(qint16(*rank), carry);
    }
    taken.moves = moves;
    return rank;
}

void ScoreTable::setName(int index, const QString& name) {
    entries_.at(index).name = name;
}
