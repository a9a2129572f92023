#include "board/tileimage.h"

#include <QPaintEvent>
#include <QPainter>

TileImage::TileImage(QPoint homeOffset, QSize boardSize, QWidget* parent)
    : QWidget(parent), homeOffset_(homeOffset), boardSize_(boardSize) {
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
    // The pixmap covers the whole board, possibly at a higher pixel density; map the part of
    // this widget that needs painting to the matching rectangle of the pixmap.
    const qreal sx = picture_.width() / qreal(boardSize_.width());
    const qreal sy = picture_.height() / qreal(boardSize_.height());
    const QRectF target = event->rect();
    const QPointF onBoard = target.topLeft() + QPointF(homeOffset_ + pos());
    const QRectF source(onBoard.x() * sx, onBoard.y() * sy, target.width() * sx,
                        target.height() * sy);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture_, source);
}
