// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/tileimage.h"

#include <QPaintEvent>
#include <QPainter>

TileImage::TileImage(QPoint homeOffset, QWidget* parent)
    : QWidget(parent), homeOffset_(homeOffset) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TileImage::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TileImage::paintEvent(QPaintEvent* event) {
    // Without a picture the tile's own background shows through.
    if (picture_.isNull())
        return;
    // The pixmap covers the whole board in logical pixels, possibly at a higher pixel density;
    // map the part of this widget that needs painting to the matching rectangle of the pixmap.
    const qreal dpr = picture_.devicePixelRatio();
    const QRectF target = event->rect();
    const QPointF onBoard = target.topLeft() + QPointF(homeOffset_ + pos());
    const QRectF source(onBoard * dpr, target.size() * dpr);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture_, source);
}
