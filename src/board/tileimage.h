// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QWidget>

// The picture on one tile: the board's single pixmap, already scaled to the board, of which it
// draws only the piece that belongs to its tile's home cell, wherever the tile has been moved.
class TileImage : public QWidget {
    Q_OBJECT
public:
    // homeOffset is the tile's home cell in board pixels.
    TileImage(QPoint homeOffset, QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint homeOffset_;
    QPixmap picture_;
};
