// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPixmap;

// The preview window: the whole picture, borderless, shown while the player holds "ViewPic"
// down. It never takes the keyboard focus, so the arrow keys keep reaching the main window.
// Built once, then only shown and hidden. The owner places it with move(); over the shown board
// suits it best (move(board->mapToGlobal(QPoint(0, 0)))), as the window is a board's size.
class frmpic : public QWidget {
    Q_OBJECT

public:
    explicit frmpic(QWidget* parent = nullptr);

    // Shows the picture stretched over the whole window.
    void setPicture(const QPixmap& picture);

private:
    QLabel* imgpic_;
};
