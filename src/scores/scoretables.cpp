// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/scoretables.h"

#include "settings/settingsstore.h"

namespace {

const QString application = QStringLiteral("quadrello");
const QString noName = QStringLiteral(" None");

QString section(int slot) {
    return QStringLiteral("Scores%1").arg(slot);
}

QString topKey(int index) {
    return QStringLiteral("top%1").arg(index);
}

QString nameKey(int index) {
    return QStringLiteral("Nam%1").arg(index);
}

} // namespace

ScoreTables::ScoreTables(SettingsStore& store) : store_(store) {}

const ScoreTable& ScoreTables::table(int slot) const {
    return tables_.at(slot);
}

void ScoreTables::read() {
    for (int i = 0; i < ScoreTable::Size; ++i) {
        std::array<QString, SlotCount> tops;
        for (int slot = 0; slot < SlotCount; ++slot)
            tops[slot] = store_.GetSetting(application, section(slot), topKey(i), QString());
        for (int slot = 0; slot < SlotCount; ++slot) {
            tables_[slot].setStored(
                i, tops[slot], store_.GetSetting(application, section(slot), nameKey(i), noName));
        }
    }
}

void ScoreTables::save() {
    for (ScoreTable& t : tables_)
        t.refreshMovesText();
    for (int i = 0; i < ScoreTable::Size; ++i) {
        for (int slot = 0; slot < SlotCount; ++slot)
            store_.SaveSetting(application, section(slot), topKey(i),
                               tables_[slot].entry(i).movesText);
        for (int slot = 0; slot < SlotCount; ++slot)
            store_.SaveSetting(application, section(slot), nameKey(i), tables_[slot].entry(i).name);
    }
    // A ranked result should outlive the game even if it never gets to close properly.
    store_.flush();
}

std::optional<int> ScoreTables::rank(int slot, qint16 moves) {
    const std::optional<int> taken = tables_.at(slot).enter(moves);
    latestRanked_ = taken.has_value();
    if (taken) {
        intNewRank_ = qint16(*taken);
        save();
    }
    return taken;
}

void ScoreTables::storeName(int slot, const QString& typed) {
    if (!latestRanked_)
        return;
    tables_.at(slot).setName(intNewRank_, typed.isEmpty() ? noName : QStringLiteral(" ") + typed);
    save();
}
