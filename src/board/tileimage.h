#pragma once

#include <QPixmap>
#include <QWidget>

// The picture on one tile: the board's single scaled pixmap, of which it draws only the piece
// that belongs to its tile's home cell, wherever the tile has been moved.
class TileImage : public QWidget {
    Q_OBJECT
public:
    // homeOffset is the tile's home cell in board pixels; boardSize the size the picture is
    // stretched to.
    TileImage(QPoint homeOffset, QSize boardSize, QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint homeOffset_;
    QSize boardSize_;
    QPixmap picture_;
};
