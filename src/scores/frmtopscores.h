// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class ScoreTables;

// The top-scores window: the ten best results of one grid size at a time, on three stacked
// panels (slot 0 = 5x5, 1 = 4x4, 2 = 3x3). It only shows the tables and never changes them;
// its rows change only when the main window fills them. Thrown away on close.
class frmtopscores : public QDialog {
    Q_OBJECT

public:
    explicit frmtopscores(QWidget* parent = nullptr);

    // Writes rank, name and moves into the rows of all three panels. A row whose entry has no
    // moves text (the store has never held it) keeps what it shows.
    void fillRows(const ScoreTables& tables);
    // Shows the panel of one grid size and makes its button bold; until then no panel shows.
    void showPanel(int slot);

signals:
    // A grid button asks for fresh rows before it shows its panel.
    void refreshRequested();

private:
    static constexpr int RowCount = 10;
    static constexpr int SlotCount = 3;

    std::array<QFrame*, SlotCount> picscore_{};
    std::array<QPushButton*, SlotCount> buttons_{};
    std::array<QLabel*, SlotCount * RowCount> lbl3x3mov_{};
    std::array<QLabel*, SlotCount * RowCount> lbl3x3score_{};
};
