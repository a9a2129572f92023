// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's words for a player who cannot see the board: a sentence for each thing
// that happens on it, and the state of its game for a screen reader to read when asked.
#include "app/frmmain.h"
#include "board/boardview.h"

#include <QAccessible>

QString frmmain::boardStatus(int slot) const {
    const Board& board = boards_[static_cast<unsigned>(slot)];
    int inPlace = 0;
    for (int tile = 0; tile < board.emptyIndex(); ++tile)
        inPlace += board.isAtHome(tile);
    const GameCounters& game = games_[static_cast<unsigned>(slot)];
    return tr("Moves: %1, seconds: %2, tiles in place: %3 of %4")
        .arg(game.moves)
        .arg(game.seconds)
        .arg(inPlace)
        .arg(board.emptyIndex());
}

void frmmain::say(int slot, const QString& sentence) {
    if (slot >= 0)
        picmod_[static_cast<unsigned>(slot)]->say(sentence);
}

// Every move passes here: without a screen reader the sentence is not even made.
void frmmain::sayMove(int slot, int tile) {
    if (!QAccessible::isActive())
        return;
    const CellPos at = boards_[static_cast<unsigned>(slot)].position(tile);
    say(slot, tr("Tile %1, row %2, column %3").arg(tile + 1).arg(at.row + 1).arg(at.col + 1));
}
