// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Hot-air balloons in many colours rising over a patchwork of fields.

#include "cloud.h"
#include "puzzlepictures.h"
#include "scatter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr qreal horizon = 760;

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(38, 84, 170));
    sky.setColorAt(0.6, QColor(132, 190, 238));
    sky.setColorAt(1.0, QColor(255, 224, 188));
    p.fillRect(QRectF(0, 0, 1600, horizon), sky);
    // Far hills, bluish with distance.
    QPainterPath hills;
    hills.moveTo(0, horizon);
    for (int x = 0; x <= 1600; x += 20)
        hills.lineTo(x, horizon - 60 - 40 * std::sin(x / 170.0) - 20 * std::sin(x / 53.0));
    hills.lineTo(1600, horizon);
    p.setBrush(QColor(126, 128, 184));
    p.drawPath(hills);
}

// Fields in rows that widen towards the viewer, cut by lanes that meet far away.
void paintFields(QPainter& p) {
    const QColor crops[] = {QColor(246, 214, 52),  QColor(96, 170, 60),  QColor(150, 96, 56),
                            QColor(160, 120, 200), QColor(182, 218, 90), QColor(60, 128, 74),
                            QColor(230, 150, 60)};
    const QPointF far(800, horizon - 300);
    const qreal rows[] = {horizon, 800, 860, 950, 1070, 1240};
    Scatter scatter(7321u);
    for (int row = 0; row + 1 < 6; ++row) {
        const qreal top = rows[row], bottom = rows[row + 1];
        for (int lane = -8; lane < 8; ++lane) {
            // Where the lanes at `x` on the bottom edge cross the height `y`.
            const auto at = [&](int l, qreal y) {
                const qreal x = 800 + l * 260.0;
                return far.x() + (x - far.x()) * (y - far.y()) / (1240 - far.y());
            };
            const QPolygonF field{{QPointF(at(lane, top), top), QPointF(at(lane + 1, top), top),
                                   QPointF(at(lane + 1, bottom), bottom),
                                   QPointF(at(lane, bottom), bottom)}};
            const QColor crop = crops[int(scatter.next() * 7) % 7];
            p.setBrush(crop);
            p.setPen(QPen(QColor(40, 84, 40), 3 + row * 2));
            p.drawPolygon(field);
            // Furrows on some fields, following the lanes.
            if (scatter.next() < 0.4) {
                p.setPen(QPen(crop.darker(125), 2 + row));
                for (qreal f = 0.2; f < 1.0; f += 0.2)
                    p.drawLine(
                        QPointF(at(lane, top) + f * (at(lane + 1, top) - at(lane, top)), top),
                        QPointF(at(lane, bottom) + f * (at(lane + 1, bottom) - at(lane, bottom)),
                                bottom));
            }
        }
    }
    p.setPen(Qt::NoPen);
}

struct Balloon {
    QPointF centre;
    qreal radius;
    QColor body, stripe, band;
    int gores;
};

void paintBalloon(QPainter& p, const Balloon& b) {
    const qreal r = b.radius;
    const QPointF c = b.centre;
    // A round top narrowing to the mouth under it.
    QPainterPath envelope;
    envelope.moveTo(c + QPointF(-0.28 * r, 1.25 * r));
    envelope.cubicTo(c + QPointF(-0.9 * r, 0.7 * r), c + QPointF(-1.05 * r, 0.2 * r),
                     c + QPointF(-r, -0.1 * r));
    envelope.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 186, -192);
    envelope.cubicTo(c + QPointF(1.05 * r, 0.2 * r), c + QPointF(0.9 * r, 0.7 * r),
                     c + QPointF(0.28 * r, 1.25 * r));
    envelope.closeSubpath();
    p.setBrush(b.body);
    p.drawPath(envelope);
    p.save();
    p.setClipPath(envelope);
    p.setBrush(b.stripe);
    const qreal gore = 2 * r / b.gores;
    for (int i = 0; i < b.gores; i += 2)
        p.drawEllipse(
            QRectF(c.x() - r + i * gore + gore * 0.15, c.y() - 1.2 * r, gore * 0.7, 2.6 * r));
    p.setBrush(b.band);
    p.drawRect(QRectF(c.x() - r, c.y() + 0.25 * r, 2 * r, 0.22 * r));
    QRadialGradient shade(c + QPointF(-0.4 * r, -0.5 * r), 1.8 * r);
    shade.setColorAt(0.0, QColor(255, 255, 255, 90));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1.0, QColor(0, 0, 40, 110));
    p.setBrush(shade);
    p.drawRect(QRectF(c.x() - 1.2 * r, c.y() - 1.2 * r, 2.4 * r, 2.6 * r));
    p.restore();
    // Ropes and the basket.
    p.setPen(QPen(QColor(70, 50, 30), std::max<qreal>(1.5, r / 60)));
    const QPointF basket = c + QPointF(0, 1.55 * r);
    p.drawLine(c + QPointF(-0.26 * r, 1.25 * r), basket + QPointF(-0.14 * r, 0));
    p.drawLine(c + QPointF(0.26 * r, 1.25 * r), basket + QPointF(0.14 * r, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(132, 84, 40));
    p.drawRect(QRectF(basket.x() - 0.16 * r, basket.y(), 0.32 * r, 0.24 * r));
}

} // namespace

QImage paintBalloons(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    drawInCanvasUnits(p, size);
    paintSky(p);
    paintFields(p);
    p.setBrush(QColor(255, 255, 255, 220));
    for (const auto& [x, y, width] :
         {std::tuple{300.0, 170.0, 360.0}, {1260.0, 330.0, 300.0}, {760.0, 560.0, 220.0}})
        p.drawPath(cloudShape(QPointF(x, y), width));
    const Balloon balloons[] = {
        {{1010, 330}, 210, QColor(226, 36, 48), QColor(255, 214, 40), QColor(30, 80, 200), 8},
        {{330, 470}, 150, QColor(40, 160, 90), QColor(255, 255, 255), QColor(240, 120, 30), 6},
        {{640, 200}, 95, QColor(130, 60, 190), QColor(255, 150, 200), QColor(255, 230, 80), 6},
        {{1420, 620}, 110, QColor(255, 140, 20), QColor(40, 40, 140), QColor(255, 255, 255), 8},
        {{170, 130}, 60, QColor(30, 150, 220), QColor(255, 240, 120), QColor(220, 40, 40), 6},
        {{1300, 110}, 50, QColor(250, 90, 160), QColor(120, 220, 230), QColor(80, 40, 120), 6},
        {{560, 930}, 130, QColor(255, 220, 0), QColor(220, 30, 30), QColor(20, 120, 60), 10},
    };
    for (const Balloon& b : balloons)
        paintBalloon(p, b);
    return image;
}
