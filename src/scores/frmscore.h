// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;

// The game-over window: the moves and seconds of the finished game and, when the result took a
// rank, a box for the player's name. Built afresh for every game end and thrown away on close.
// Each button tells the main window first, so the typed name can still be read, then closes.
// Closing it from the title bar or with Escape tells nobody anything.
class frmscore : public QDialog {
    Q_OBJECT

public:
    explicit frmscore(QWidget* parent = nullptr);

    // Fills in the figures; only a ranked result shows the name box, in a taller window.
    void showResult(qint16 moves, qint16 seconds, bool ranked);
    QString typedName() const;

signals:
    void okPressed();
    void closePressed();
    void playAgainPressed();

private:
    void answer(void (frmscore::*signal)());

    QLabel* lblnomoves_;
    QLabel* lbltotmoves_;
    QLabel* lblnotime_;
    QLabel* lbltottime_;
    QGroupBox* fra1_;
    QLineEdit* txtname_;
};
