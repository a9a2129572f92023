// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A coral reef: fish of many colours between branching corals, sea fans and weed, over
// rippled sand, with light falling through the water.

#include "puzzlepictures.h"
#include "scatter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace {

void paintWater(QPainter& p) {
    QLinearGradient water(0, 0, 0, 1240);
    water.setColorAt(0.0, QColor(120, 220, 240));
    water.setColorAt(0.45, QColor(30, 140, 200));
    water.setColorAt(1.0, QColor(8, 50, 110));
    p.fillRect(QRectF(0, 0, 1600, 1240), water);
    // Shafts of light from the surface.
    for (const qreal x : {180.0, 520.0, 900.0, 1350.0}) {
        QLinearGradient ray(0, 0, 0, 900);
        ray.setColorAt(0.0, QColor(255, 255, 255, 70));
        ray.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(ray);
        p.drawPolygon(QPolygonF{
            {QPointF(x, 0), QPointF(x + 110, 0), QPointF(x + 330, 900), QPointF(x + 140, 900)}});
    }
}

void paintSand(QPainter& p) {
    QPainterPath floor;
    floor.moveTo(0, 1240);
    for (int x = 0; x <= 1600; x += 20)
        floor.lineTo(x, 1030 + 30 * std::sin(x / 210.0) + 12 * std::sin(x / 47.0));
    floor.lineTo(1600, 1240);
    QLinearGradient sand(0, 1000, 0, 1240);
    sand.setColorAt(0.0, QColor(236, 214, 160));
    sand.setColorAt(1.0, QColor(196, 160, 100));
    p.setBrush(sand);
    p.drawPath(floor);
    p.setPen(QPen(QColor(170, 136, 84), 4));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 5; ++row) {
        QPainterPath ripple;
        const qreal y = 1090 + row * 32;
        ripple.moveTo(0, y);
        for (int x = 0; x <= 1600; x += 40)
            ripple.lineTo(x, y + 8 * std::sin(x / 60.0 + row));
        p.drawPath(ripple);
    }
    p.setPen(Qt::NoPen);
}

// A coral that forks again and again, thinner at every fork.
void branch(QPainter& p, QPointF from, qreal angle, qreal length, qreal width, int depth,
            Scatter& scatter) {
    const QPointF to = from + QPointF(std::cos(angle), -std::sin(angle)) * length;
    p.setPen(QPen(p.brush().color(), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    if (depth == 0)
        return;
    for (const qreal turn : {-0.45, 0.4})
        branch(p, to, angle + turn + scatter.between(-0.15, 0.15), length * 0.72, width * 0.7,
               depth - 1, scatter);
}

void paintCorals(QPainter& p) {
    Scatter scatter(515u);
    const std::tuple<qreal, qreal, QColor> branching[] = {{140, 150, QColor(250, 110, 130)},
                                                          {720, 120, QColor(255, 150, 50)},
                                                          {1480, 160, QColor(190, 80, 200)},
                                                          {1060, 100, QColor(250, 90, 70)}};
    for (const auto& [x, length, colour] : branching) {
        p.setBrush(colour);
        branch(p, QPointF(x, 1080), std::numbers::pi / 2, length, 30, 4, scatter);
    }
    p.setPen(Qt::NoPen);
    // A sea fan: a lattice of fine lines in a half disc.
    p.save();
    QPainterPath fan;
    fan.moveTo(430, 1060);
    fan.arcTo(QRectF(250, 700, 360, 720), 0, 180);
    fan.closeSubpath();
    p.setClipPath(fan);
    p.setPen(QPen(QColor(120, 40, 170), 6));
    for (int i = 0; i <= 18; ++i) {
        const qreal a = std::numbers::pi * i / 18;
        p.drawLine(QPointF(430, 1060), QPointF(430 + 400 * std::cos(a), 1060 - 400 * std::sin(a)));
    }
    p.setBrush(Qt::NoBrush);
    for (int r = 60; r < 400; r += 45)
        p.drawEllipse(QPointF(430, 1060), r * 0.5, r);
    p.restore();
    // Brain corals: domes with winding grooves.
    for (const auto& [x, w, colour] :
         {std::tuple{880.0, 170.0, QColor(200, 220, 90)}, {1280.0, 130.0, QColor(240, 200, 80)}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawChord(QRectF(x - w, 1010, 2 * w, 2 * w * 0.7), 0, 180 * 16);
        p.setPen(QPen(colour.darker(140), 5));
        p.setBrush(Qt::NoBrush);
        for (int g = 1; g < 5; ++g)
            p.drawArc(QRectF(x - w * g / 5, 1010 + w * 0.7 * (5 - g) / 5, 2 * w * g / 5,
                             2 * w * 0.7 * g / 5),
                      0, 180 * 16);
    }
    p.setPen(Qt::NoPen);
}

void paintWeed(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (const auto& [x, h] : {std::pair{40.0, 420.0},
                               {600.0, 300.0},
                               {1180.0, 380.0},
                               {1560.0, 460.0},
                               {960.0, 240.0}}) {
        for (int blade = -1; blade <= 1; ++blade) {
            p.setPen(QPen(QColor(40, 150 + blade * 30, 70), 16, Qt::SolidLine, Qt::RoundCap));
            QPainterPath weed;
            weed.moveTo(x + blade * 18, 1090);
            for (qreal t = 0; t <= 1.0; t += 0.05)
                weed.lineTo(x + blade * 18 + 26 * std::sin(t * 9 + blade), 1090 - t * h);
            p.drawPath(weed);
        }
    }
    p.setPen(Qt::NoPen);
}

struct Fish {
    QPointF at;
    qreal length;
    bool facingLeft;
    QColor body, stripes, fins;
};

void paintFish(QPainter& p, const Fish& f) {
    p.save();
    p.translate(f.at);
    if (f.facingLeft)
        p.scale(-1, 1);
    const qreal l = f.length;
    p.setBrush(f.fins);
    p.drawPolygon(QPolygonF{{QPointF(-0.35 * l, 0), QPointF(-0.62 * l, -0.26 * l),
                             QPointF(-0.56 * l, 0), QPointF(-0.62 * l, 0.26 * l)}});
    p.drawPolygon(QPolygonF{
        {QPointF(-0.15 * l, -0.2 * l), QPointF(0.1 * l, -0.36 * l), QPointF(0.2 * l, -0.18 * l)}});
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 0.45 * l, 0.24 * l);
    p.setBrush(f.body);
    p.drawPath(body);
    p.setClipPath(body);
    p.setBrush(f.stripes);
    for (const qreal x : {-0.22, 0.08})
        p.drawRect(QRectF(x * l, -0.3 * l, 0.09 * l, 0.6 * l));
    p.setClipping(false);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0.27 * l, -0.05 * l), 0.06 * l, 0.06 * l);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0.285 * l, -0.05 * l), 0.03 * l, 0.03 * l);
    p.restore();
}

// A bell with trailing tentacles, lit from within.
void paintJellyfish(QPainter& p, QPointF at, qreal r, const QColor& colour) {
    QColor tentacles = colour;
    tentacles.setAlpha(170);
    p.setPen(QPen(tentacles, r / 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int t = -2; t <= 2; ++t) {
        QPainterPath tentacle;
        tentacle.moveTo(at + QPointF(t * r * 0.3, 0));
        for (qreal s = 0; s <= 1.0; s += 0.1)
            tentacle.lineTo(at +
                            QPointF(t * r * 0.3 + r * 0.15 * std::sin(s * 8 + t), s * r * 1.8));
        p.drawPath(tentacle);
    }
    p.setPen(Qt::NoPen);
    QRadialGradient bell(at - QPointF(0, r * 0.4), r);
    bell.setColorAt(0.0, colour.lighter(160));
    bell.setColorAt(1.0, colour);
    p.setBrush(bell);
    p.drawChord(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), 0, 180 * 16);
}

void paintBubbles(QPainter& p) {
    Scatter scatter(77u);
    p.setPen(QPen(QColor(255, 255, 255, 170), 3));
    p.setBrush(QColor(255, 255, 255, 50));
    for (int i = 0; i < 40; ++i) {
        const qreal r = scatter.between(6, 20);
        p.drawEllipse(QPointF(scatter.between(0, 1600), scatter.between(40, 900)), r, r);
    }
    p.setPen(Qt::NoPen);
}

} // namespace

QImage paintReef(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    drawInCanvasUnits(p, size);
    paintWater(p);
    paintSand(p);
    paintWeed(p);
    paintCorals(p);
    const Fish fish[] = {
        {{1100, 430}, 300, true, QColor(255, 130, 20), QColor(255, 255, 255), QColor(30, 30, 30)},
        {{420, 300}, 240, false, QColor(40, 90, 220), QColor(20, 30, 80), QColor(255, 220, 0)},
        {{760, 640}, 200, false, QColor(255, 224, 40), QColor(250, 160, 0), QColor(255, 240, 120)},
        {{250, 720}, 140, true, QColor(220, 40, 60), QColor(255, 200, 210), QColor(150, 20, 40)},
        {{1420, 820}, 170, true, QColor(120, 220, 120), QColor(30, 120, 80), QColor(250, 120, 200)},
        {{1380, 160}, 120, false, QColor(180, 100, 230), QColor(255, 230, 90), QColor(90, 40, 150)},
        {{640, 120}, 90, true, QColor(250, 250, 250), QColor(20, 20, 20), QColor(250, 200, 40)},
        {{200, 170}, 160, false, QColor(250, 90, 40), QColor(250, 220, 60), QColor(200, 40, 30)},
        {{1100, 680}, 130, false, QColor(60, 200, 220), QColor(20, 80, 160), QColor(250, 250, 250)},
    };
    for (const Fish& f : fish)
        paintFish(p, f);
    paintJellyfish(p, QPointF(950, 120), 80, QColor(250, 120, 200));
    paintJellyfish(p, QPointF(1480, 330), 55, QColor(170, 120, 255));
    paintJellyfish(p, QPointF(480, 560), 45, QColor(255, 170, 90));
    paintBubbles(p);
    return image;
}
