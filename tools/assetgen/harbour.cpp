// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A harbour in the late afternoon: a row of painted houses across the water, a striped
// lighthouse on its rocks and sailing boats with coloured sails.

#include "cloud.h"
#include "puzzlepictures.h"
#include "scatter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <tuple>

namespace {

constexpr qreal shore = 640;

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, shore);
    sky.setColorAt(0.0, QColor(70, 110, 190));
    sky.setColorAt(0.5, QColor(150, 196, 236));
    sky.setColorAt(1.0, QColor(255, 206, 150));
    p.fillRect(QRectF(0, 0, 1600, shore), sky);
    QRadialGradient sun(QPointF(260, 230), 260);
    sun.setColorAt(0.0, QColor(255, 250, 220));
    sun.setColorAt(0.25, QColor(255, 236, 150));
    sun.setColorAt(0.3, QColor(255, 220, 140, 120));
    sun.setColorAt(1.0, QColor(255, 200, 140, 0));
    p.setBrush(sun);
    p.drawEllipse(QPointF(260, 230), 260, 260);
}

// Tall narrow houses side by side, each in its own colour, with white windows and a roof.
void paintHouses(QPainter& p) {
    const QColor walls[] = {QColor(222, 70, 60),   QColor(250, 196, 60),  QColor(70, 150, 200),
                            QColor(240, 140, 170), QColor(120, 190, 110), QColor(250, 120, 40),
                            QColor(150, 110, 190), QColor(240, 230, 200), QColor(40, 120, 130)};
    Scatter scatter(4242u);
    qreal x = -10;
    for (int i = 0; x < 1050; ++i) {
        const qreal w = scatter.between(95, 140);
        const qreal h = scatter.between(170, 300);
        const QColor wall = walls[i % 9];
        p.setBrush(wall);
        p.drawRect(QRectF(x, shore - h, w, h));
        p.setBrush(i % 2 ? QColor(150, 60, 40) : QColor(70, 70, 90));
        if (i % 3 == 1) // a stepped gable
            p.drawPolygon(QPolygonF{
                {QPointF(x, shore - h), QPointF(x + w * 0.2, shore - h - 30),
                 QPointF(x + w * 0.2, shore - h - 55), QPointF(x + w * 0.8, shore - h - 55),
                 QPointF(x + w * 0.8, shore - h - 30), QPointF(x + w, shore - h)}});
        else
            p.drawPolygon(QPolygonF{{QPointF(x - 4, shore - h), QPointF(x + w / 2, shore - h - 60),
                                     QPointF(x + w + 4, shore - h)}});
        p.setBrush(wall.lightness() > 180 ? QColor(60, 90, 130) : QColor(250, 248, 236));
        for (qreal wy = shore - h + 30; wy < shore - 70; wy += 62)
            for (int col = 0; col < 2; ++col)
                p.drawRect(QRectF(x + w * (0.18 + col * 0.42), wy, w * 0.22, 34));
        p.setBrush(wall.darker(170));
        p.drawRect(QRectF(x + w * 0.38, shore - 55, w * 0.24, 55));
        x += w;
    }
}

void paintLighthouse(QPainter& p) {
    // The rocks it stands on.
    p.setBrush(QColor(110, 100, 96));
    p.drawPolygon(
        QPolygonF{{QPointF(1180, 700), QPointF(1250, 560), QPointF(1330, 590), QPointF(1420, 520),
                   QPointF(1520, 580), QPointF(1600, 560), QPointF(1600, 720)}});
    p.setBrush(QColor(150, 138, 128));
    p.drawPolygon(QPolygonF{
        {QPointF(1250, 560), QPointF(1330, 590), QPointF(1300, 660), QPointF(1220, 640)}});
    // A tapering tower in red and white rings, with a lamp room on top.
    const QPolygonF tower{
        {QPointF(1370, 540), QPointF(1490, 540), QPointF(1465, 150), QPointF(1395, 150)}};
    p.setBrush(QColor(250, 250, 246));
    p.drawPolygon(tower);
    p.save();
    QPainterPath clip;
    clip.addPolygon(tower);
    p.setClipPath(clip);
    p.setBrush(QColor(210, 30, 40));
    for (qreal y = 170; y < 540; y += 130)
        p.drawRect(QRectF(1360, y, 140, 65));
    p.restore();
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(1380, 138, 100, 14));
    p.setBrush(QColor(255, 236, 120));
    p.drawRect(QRectF(1398, 80, 64, 58));
    p.setBrush(QColor(210, 30, 40));
    p.drawPolygon(QPolygonF{{QPointF(1388, 82), QPointF(1430, 40), QPointF(1472, 82)}});
}

void paintSea(QPainter& p) {
    QLinearGradient sea(0, shore, 0, 1240);
    sea.setColorAt(0.0, QColor(90, 160, 200));
    sea.setColorAt(1.0, QColor(10, 60, 120));
    p.fillRect(QRectF(0, shore, 1600, 600), sea);
    Scatter scatter(99u);
    p.setPen(QPen(QColor(255, 255, 255, 120), 3));
    for (int i = 0; i < 90; ++i) {
        const qreal y = shore + 20 + std::pow(scatter.next(), 1.5) * 580;
        const qreal x = scatter.next() * 1600;
        const qreal w = 20 + (y - shore) * 0.12;
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
    }
    p.setPen(Qt::NoPen);
}

struct Boat {
    QPointF keel; // the middle of the hull's bottom
    qreal length;
    QColor hull, sail, jib;
};

void paintBoat(QPainter& p, const Boat& b) {
    const qreal l = b.length;
    const QPointF k = b.keel;
    // Its reflection, a darker shimmer under it.
    QColor shadow = b.sail;
    shadow.setAlpha(70);
    p.setBrush(shadow);
    p.drawRect(QRectF(k.x() - l * 0.05, k.y() + l * 0.05, l * 0.4, l * 0.5));
    p.setBrush(b.hull);
    p.drawPolygon(QPolygonF{{k + QPointF(-0.5 * l, -0.16 * l), k + QPointF(0.55 * l, -0.16 * l),
                             k + QPointF(0.38 * l, 0), k + QPointF(-0.4 * l, 0)}});
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(k.x() - 0.5 * l, k.y() - 0.17 * l, 1.05 * l, 0.03 * l));
    p.setBrush(QColor(80, 60, 40));
    p.drawRect(QRectF(k.x() - 0.01 * l, k.y() - 1.05 * l, 0.025 * l, 0.9 * l));
    p.setBrush(b.sail);
    p.drawPolygon(QPolygonF{{k + QPointF(0.02 * l, -1.0 * l), k + QPointF(0.02 * l, -0.22 * l),
                             k + QPointF(0.5 * l, -0.22 * l)}});
    p.setBrush(b.jib);
    p.drawPolygon(QPolygonF{{k + QPointF(-0.02 * l, -0.95 * l), k + QPointF(-0.02 * l, -0.24 * l),
                             k + QPointF(-0.45 * l, -0.24 * l)}});
}

// A red and white buoy bobbing on the water.
void paintBuoy(QPainter& p, QPointF at, qreal r) {
    p.setBrush(QColor(220, 30, 40));
    p.drawChord(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(at.x() - r * 0.95, at.y() - r * 0.45, r * 1.9, r * 0.3));
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(at.x() - r * 0.08, at.y() - r * 2.0, r * 0.16, r * 1.1));
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(at - QPointF(0, r * 2.1), r * 0.3, r * 0.3);
}

void paintGulls(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const auto& [x, y, s] : {std::tuple{700.0, 120.0, 40.0},
                                  {780.0, 170.0, 30.0},
                                  {1060.0, 90.0, 34.0},
                                  {560.0, 250.0, 26.0}}) {
        QPainterPath gull;
        gull.moveTo(x - s, y);
        gull.quadTo(x - s / 2, y - s / 2, x, y);
        gull.quadTo(x + s / 2, y - s / 2, x + s, y);
        p.drawPath(gull);
    }
    p.setPen(Qt::NoPen);
}

} // namespace

QImage paintHarbour(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    drawInCanvasUnits(p, size);
    paintSky(p);
    p.setBrush(QColor(255, 250, 244, 230));
    p.drawPath(cloudShape(QPointF(830, 110), 330));
    p.drawPath(cloudShape(QPointF(1170, 250), 220));
    paintGulls(p);
    paintHouses(p);
    paintSea(p);
    paintLighthouse(p);
    const Boat boats[] = {
        {{300, 1020}, 330, QColor(30, 60, 140), QColor(250, 80, 60), QColor(255, 220, 60)},
        {{860, 860}, 230, QColor(200, 40, 40), QColor(255, 255, 250), QColor(60, 170, 220)},
        {{1280, 1120}, 300, QColor(250, 250, 240), QColor(60, 190, 110), QColor(250, 150, 40)},
        {{620, 740}, 120, QColor(250, 200, 40), QColor(170, 90, 200), QColor(250, 250, 250)},
        {{1500, 790}, 140, QColor(60, 60, 70), QColor(250, 130, 180), QColor(250, 250, 250)},
    };
    for (const Boat& b : boats)
        paintBoat(p, b);
    paintBuoy(p, QPointF(790, 1150), 45);
    paintBuoy(p, QPointF(60, 1180), 30);
    return image;
}
