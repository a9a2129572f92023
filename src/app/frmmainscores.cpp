// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's end of a game: the solved check, ranking, the name and the score windows.
#include "app/frmmain.h"
#include "app/windowplacement.h"
#include "scores/frmscore.h"
#include "scores/frmtopscores.h"

#include <QPushButton>
#include <QTimer>

void frmmain::GameEnd() {
    for (const int slot : {kSlot3x3, kSlot4x4, kSlot5x5}) {
        if (games_[static_cast<unsigned>(slot)].scrambled != 1 || slot != activeSlot())
            continue;
        if (!boards_[static_cast<unsigned>(slot)].isSolved())
            return;
        stopClock(slot);
        TotScore();
        frmscore_->show();
        frmscore_->raise();
        frmscore_->activateWindow();
        return;
    }
}

void frmmain::TotScore() {
    const int slot = activeSlot();
    if (slot < 0)
        return;
    openGameOverWindow();
    const GameCounters& game = games_[static_cast<unsigned>(slot)];
    const bool ranked = scores_.rank(slot, game.moves).has_value();
    frmscore_->showResult(game.moves, game.seconds, ranked);
}

// A game-over window still open from an earlier solution of the same game is used again.
void frmmain::openGameOverWindow() {
    if (frmscore_)
        return;
    frmscore_ = new frmscore(this);
    // Whatever the button, the player goes on at the board with the arrow keys.
    const auto backToTheBoard = [this] {
        activateWindow();
        SetpicFocus();
    };
    connect(frmscore_, &frmscore::okPressed, this, [this, backToTheBoard] {
        LeastNames();
        backToTheBoard();
    });
    connect(frmscore_, &frmscore::closePressed, this, [this, backToTheBoard] {
        LeastNames();
        EndingGame();
        backToTheBoard();
    });
    connect(frmscore_, &frmscore::playAgainPressed, this, [this, backToTheBoard] {
        LeastNames();
        Scramble();
        backToTheBoard();
    });
    placeBeside(frmscore_, this);
}

void frmmain::EndingGame() {
    const int slot = activeSlot();
    if (slot < 0)
        return;
    games_[static_cast<unsigned>(slot)].scrambled = 0;
    stopClock(slot);
    cmdhalt_->setEnabled(false);
}

void frmmain::Scores() {
    scores_.read();
}

void frmmain::SaveScores() {
    scores_.save();
}

void frmmain::LeastNames() {
    const int slot = activeSlot();
    if (slot >= 0 && frmscore_)
        scores_.storeName(slot, frmscore_->typedName());
}

void frmmain::LeastMoves() {
    Scores();
    if (frmtopscores_)
        frmtopscores_->fillRows(scores_);
}

void frmmain::VisibleModeScore() {
    const int slot = shownSlot();
    if (frmtopscores_ && slot >= 0)
        frmtopscores_->showPanel(slot);
}

void frmmain::openTopScores() {
    if (!frmtopscores_) {
        frmtopscores_ = new frmtopscores(this);
        connect(frmtopscores_, &frmtopscores::refreshRequested, this, &frmmain::LeastMoves);
        LeastMoves();
        VisibleModeScore();
        placeBeside(frmtopscores_, this);
    }
    frmtopscores_->show();
    frmtopscores_->raise();
    frmtopscores_->activateWindow();
}
