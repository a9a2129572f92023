// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A mosaic of bold shapes, one in each square: circles, rings, quarters, triangles, stripes
// and diamonds, no two neighbours alike in colour or shape.

#include "puzzlepictures.h"
#include "scatter.h"

#include <QPainterPath>
#include <algorithm>
#include <iterator>

namespace {

constexpr int columns = 8;
constexpr int rows = 6;

const QColor palette[] = {QColor(230, 57, 70),   QColor(244, 162, 97),  QColor(233, 196, 106),
                          QColor(42, 157, 143),  QColor(38, 70, 83),    QColor(69, 123, 157),
                          QColor(168, 218, 220), QColor(241, 250, 238), QColor(131, 56, 236),
                          QColor(255, 0, 110),   QColor(58, 134, 255),  QColor(6, 214, 160)};
constexpr int colours = int(std::size(palette));

void paintShape(QPainter& p, const QRectF& cell, int shape, const QColor& ink) {
    const QPointF c = cell.center();
    const qreal r = std::min(cell.width(), cell.height()) * 0.4;
    p.setBrush(ink);
    switch (shape) {
    case 0: // a disc
        p.drawEllipse(c, r, r);
        break;
    case 1: // rings
        for (int ring = 3; ring > 0; --ring) {
            p.setBrush(ring % 2 ? ink : ink.lighter(150));
            p.drawEllipse(c, r * ring / 3, r * ring / 3);
        }
        break;
    case 2: // a quarter disc from a corner
        p.drawPie(QRectF(cell.left() - cell.width(), cell.top() - cell.height(), 2 * cell.width(),
                         2 * cell.height()),
                  270 * 16, 90 * 16);
        break;
    case 3: // a triangle standing on the bottom edge
        p.drawPolygon(
            QPolygonF{{QPointF(cell.left(), cell.bottom()), QPointF(cell.right(), cell.bottom()),
                       QPointF(c.x(), cell.top())}});
        break;
    case 4: // slanted stripes
        p.save();
        p.setClipRect(cell);
        for (qreal x = -cell.height(); x < cell.width(); x += 50)
            p.drawPolygon(QPolygonF{{QPointF(cell.left() + x, cell.bottom()),
                                     QPointF(cell.left() + x + 25, cell.bottom()),
                                     QPointF(cell.left() + x + 25 + cell.height(), cell.top()),
                                     QPointF(cell.left() + x + cell.height(), cell.top())}});
        p.restore();
        break;
    case 5: // a diamond
        p.drawPolygon(QPolygonF{{QPointF(c.x(), c.y() - r * 1.15), QPointF(c.x() + r, c.y()),
                                 QPointF(c.x(), c.y() + r * 1.15), QPointF(c.x() - r, c.y())}});
        break;
    case 6: // half the square, split on its diagonal, and a small disc
        p.drawPolygon(QPolygonF{{cell.topLeft(), cell.topRight(), cell.bottomLeft()}});
        p.setBrush(ink.lighter(160));
        p.drawEllipse(c + QPointF(r * 0.45, r * 0.45), r * 0.35, r * 0.35);
        break;
    default: // a half disc on the left edge
        p.drawPie(QRectF(cell.left() - r * 1.2, c.y() - r * 1.2, 2.4 * r, 2.4 * r), -90 * 16,
                  180 * 16);
        break;
    }
}

} // namespace

QImage paintMosaic(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    drawInCanvasUnits(p, size);
    const qreal w = qreal(puzzlePictureSize.width()) / columns;
    const qreal h = qreal(puzzlePictureSize.height()) / rows;
    Scatter scatter(8086u);
    int previousShape = -1;
    QList<int> above(columns, -1); // the ground colour of the square above each column
    int left = -1;
    for (int row = 0; row < rows; ++row) {
        left = -1;
        for (int col = 0; col < columns; ++col) {
            int ground = int(scatter.next() * colours);
            while (ground == left || ground == above[col])
                ground = (ground + 5) % colours;
            int ink = (ground + 3 + int(scatter.next() * (colours - 6))) % colours;
            int shape = int(scatter.next() * 8);
            if (shape == previousShape)
                shape = (shape + 3) % 8;
            const QRectF cell(col * w, row * h, w, h);
            p.fillRect(cell, palette[ground]);
            paintShape(p, cell, shape, palette[ink]);
            left = above[col] = ground;
            previousShape = shape;
        }
    }
    // Thin dark joints between the squares, as between the stones of a mosaic.
    p.setPen(QPen(QColor(30, 30, 36), 6));
    for (int col = 1; col < columns; ++col)
        p.drawLine(QPointF(col * w, 0), QPointF(col * w, puzzlePictureSize.height()));
    for (int row = 1; row < rows; ++row)
        p.drawLine(QPointF(0, row * h), QPointF(puzzlePictureSize.width(), row * h));
    return image;
}
