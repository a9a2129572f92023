// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QButtonGroup;
class QCloseEvent;
class QRadioButton;

// The "Select the splitting" window: picks which of the three boards (3x3, 4x4, 5x5) the main
// window shows. It only reports the choice; the main window switches boards and hides it.
class frmprefer : public QWidget {
    Q_OBJECT

public:
    explicit frmprefer(QWidget* parent = nullptr);

    // Grid slot of the checked option (0 = 5x5, 1 = 4x4, 2 = 3x3), or -1 when none is checked.
    int selectedSlot() const;
    // Checks the option of a grid slot; any other value leaves the selection alone.
    void selectSlot(int slot);

signals:
    void okPressed();
    void cancelPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QButtonGroup* m_group;
    QRadioButton* m_opt1 = nullptr;
    QRadioButton* m_opt2 = nullptr;
    QRadioButton* m_opt3 = nullptr;
};
