// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class TileImage;

// One cell of a board: a tile with its number label and its piece of the picture, or the empty
// box, which has neither and shows only its colour.
class Tile : public QWidget {
    Q_OBJECT
public:
    // homeOffset: the cell's home in board pixels. numberText empty makes the empty box.
    Tile(QSize cellSize, QPoint homeOffset, const QString& numberText, QRect numberGeometry,
         QWidget* parent);

    bool isEmptyBox() const { return image_ == nullptr; }
    TileImage* image() const { return image_; }
    QLabel* number() const { return number_; }

    void setBackground(const QColor& color);
    QColor background() const { return background_; }
    void setBorderShown(bool shown);
    bool borderShown() const { return border_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeImage();

    TileImage* image_ = nullptr;
    QLabel* number_ = nullptr;
    QColor background_;
    bool border_ = true;
};
