// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's play routines: scramble, set, halt, the clocks and the misplaced marks.
#include "app/frmmain.h"
#include "board/boardview.h"
#include "play/scramble.h"
#include "windows/frmprefer.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void frmmain::SetPics() {
    const int slot = activeSlot();
    if (slot >= 0) {
        games_[static_cast<unsigned>(slot)].restart(false);
        stopClock(slot);
        setCounterLabels(QStringLiteral("0"), QStringLiteral("0"));
        Board& board = boards_[static_cast<unsigned>(slot)];
        board.reset();
        picmod_[static_cast<unsigned>(slot)]->showPositions(board);
        say(slot, tr("Set in order"));
    }
    SetpicFocus();
}

void frmmain::Scramble() {
    cmdunsorted_->setEnabled(true);
    for (BoardView* view : picmod_)
        view->setEnabled(true);
    cmdhalt_->setEnabled(false);
    const int slot = activeSlot();
    if (slot < 0)
        return;
    games_[static_cast<unsigned>(slot)].restart(true);
    cmdset_->setEnabled(true);
    stopClock(slot);
    setCounterLabels(QStringLiteral("0"), QStringLiteral("0"));
    Board& board = boards_[static_cast<unsigned>(slot)];
    scramble::run(board, services_.random);
    picmod_[static_cast<unsigned>(slot)]->showPositions(board);
    say(slot, tr("Scrambled"));
}

void frmmain::TimeMoveUpdate() {
    const int slot = activeSlot();
    if (slot < 0 || !games_[static_cast<unsigned>(slot)].countMove())
        return;
    cmdhalt_->setEnabled(true);
    startClock(slot);
    lblnummov_->setText(QString::number(games_[static_cast<unsigned>(slot)].moves));
}

// Shows the kept counters of the grid chosen in the preferences window.
void frmmain::TimeMoves() {
    const int slot = frmprefer_ ? frmprefer_->selectedSlot() : -1;
    if (slot >= 0)
        showCounters(slot);
}

void frmmain::Halt() {
    if (intHalt_ == 0) {
        for (int slot = 0; slot < kSlotCount; ++slot)
            stopClock(slot);
        for (BoardView* view : picmod_)
            view->setEnabled(false);
        cmdhalt_->setText(tr("Resume"));
        intHalt_ = 1;
        say(shownSlot(), tr("Halted"));
    } else if (intHalt_ == 1) {
        const int slot = shownSlot();
        if (slot < 0)
            return;
        picmod_[static_cast<unsigned>(slot)]->setEnabled(true);
        startClock(slot);
        cmdhalt_->setText(tr("Halt"));
        intHalt_ = 0;
        SetpicFocus();
        say(slot, tr("Resumed"));
    }
}

void frmmain::clockTick(int slot) {
    games_[static_cast<unsigned>(slot)].tick();
    lbltimer_->setText(QString::number(games_[static_cast<unsigned>(slot)].seconds));
}

// Restarting a running QTimer would push its next tick back, so a running clock is left alone.
void frmmain::startClock(int slot) {
    QTimer* timer = clocks_[static_cast<unsigned>(slot)];
    if (!timer->isActive())
        timer->start();
}

void frmmain::stopClock(int slot) {
    clocks_[static_cast<unsigned>(slot)]->stop();
}

void frmmain::showCounters(int slot) {
    const GameCounters& game = games_[static_cast<unsigned>(slot)];
    setCounterLabels(QString::number(game.moves), QString::number(game.seconds));
}

void frmmain::setCounterLabels(const QString& moves, const QString& seconds) {
    lblnummov_->setText(moves);
    lbltimer_->setText(seconds);
}

// Marks go only onto the board of a scrambled game in play.
bool frmmain::qualifiesForMarks(int slot) const {
    return slot == activeSlot() && games_[static_cast<unsigned>(slot)].scrambled == 1;
}

// The marks are a snapshot: a marked tile keeps its mark wherever it is moved, and a tile that
// leaves its home cell afterwards stays unmarked.
void frmmain::UnSorted() {
    if (intUnsortedShown_ == 0) {
        for (const int slot : {kSlot4x4, kSlot5x5, kSlot3x3}) {
            if (!qualifiesForMarks(slot))
                continue;
            intUnsortedShown_ = 1;
            cmdunsorted_->setText(tr("OK"));
            const Board& board = boards_[static_cast<unsigned>(slot)];
            for (int tile = 0; tile < board.emptyIndex(); ++tile) {
                if (!board.isAtHome(tile))
                    picmod_[static_cast<unsigned>(slot)]->setMarked(tile, true);
            }
        }
    } else if (intUnsortedShown_ == 1) {
        intUnsortedShown_ = 0;
        cmdunsorted_->setText(tr("UnSorted"));
        // Every board loses its marks, also one that was set back, solved or put aside since.
        for (BoardView* view : picmod_) {
            for (int tile = 0; tile < view->grid().emptyIndex(); ++tile) {
                if (view->isMarked(tile))
                    view->setMarked(tile, false);
            }
        }
        SetpicFocus();
    }
}
