// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/gridgeometry.h"

#include <QWidget>
#include <functional>
#include <vector>

class Board;
class BoardVoice;
class QPixmap;
class Tile;

// The container of one board: a cell widget for every cell of the board model, placed where
// the model says. The view keeps no arrangement of its own; it mirrors a Board.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const GridGeometry& grid, QWidget* parent);

    const GridGeometry& grid() const { return grid_; }
    Tile* cell(int index) const { return cells_[static_cast<unsigned>(index)]; }
    Tile* emptyBox() const { return cells_.back(); }

    // Moves the cell widgets that stand elsewhere than the model says; the others stay
    // untouched, so a slide repaints only the two cells it exchanges.
    void showPositions(const Board& board);

    void setPicture(const QPixmap& picture);
    void setNumbersShown(bool shown);
    void setGridShown(bool shown);
    void setNumberColor(const QColor& color);
    void setBoxColor(const QColor& color);

    // Marks a tile as misplaced (its piece hidden, the mark colour shown) or takes the mark
    // away again.
    void setMarked(int tile, bool marked);
    bool isMarked(int tile) const;

    // What a screen reader hears: a sentence said now, and the board's state, asked for only
    // when a screen reader reads the board.
    void say(const QString& sentence);
    BoardVoice* voice() const { return voice_; }
    void setStatus(std::function<QString()> status) { status_ = std::move(status); }
    QString status() const { return status_ ? status_() : QString(); }

private:
    void describePlace(Tile* tile);
    QPoint pixelPos(int col, int row) const { return {col * grid_.stepW, row * grid_.stepH}; }

    GridGeometry grid_;
    std::vector<Tile*> cells_;
    BoardVoice* voice_;
    std::function<QString()> status_;
};
