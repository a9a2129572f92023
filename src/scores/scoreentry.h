// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One result in a least-moves table: the moves it took and the name of the player.
struct ScoreEntry {
    // The moves as the store last held them; empty when the store held no usable value.
    QString movesText;
    // 0 marks an unused entry.
    qint16 moves = 0;
    // Kept as stored: a typed name carries one blank in front of it.
    QString name = QStringLiteral(" None");
};
