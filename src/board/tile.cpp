// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/tile.h"

#include "board/tileimage.h"
#include "windows/classicform.h"

#include <QLabel>
#include <QPainter>

Tile::Tile(QSize cellSize, QPoint homeOffset, const QString& numberText, QRect numberGeometry,
           QWidget* parent)
    : QWidget(parent), background_(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(cellSize);
    move(homeOffset);
    if (numberText.isEmpty())
        return;
    image_ = new TileImage(homeOffset, this);
    // Created after the image, so the number lies on top of the picture.
    number_ = new QLabel(numberText, this);
    number_->setGeometry(numberGeometry);
    number_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    number_->setAttribute(Qt::WA_TransparentForMouseEvents);
    number_->setFont(classicFont(9.75, true));
    placeImage();
}

void Tile::setBackground(const QColor& color) {
    if (color == background_)
        return;
    background_ = color;
    update();
}

void Tile::setBorderShown(bool shown) {
    if (shown == border_)
        return;
    border_ = shown;
    placeImage();
    update();
}

// With a border the picture sits inside it, so the border stays visible over the picture.
void Tile::placeImage() {
    if (image_)
        image_->setGeometry(border_ ? rect().adjusted(1, 1, -1, -1) : rect());
}

void Tile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (border_) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
