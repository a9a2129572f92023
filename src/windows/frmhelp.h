// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The "Help" window: a fixed, scrollable text on how to play and what the keys do.
// It is modeless and destroys itself when closed.
class frmHelp : public QWidget {
    Q_OBJECT

public:
    explicit frmHelp(QWidget* parent = nullptr);
};
