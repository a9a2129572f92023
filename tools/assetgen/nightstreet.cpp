// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A street of old town houses at night: every house in its own colour and shape, lit
// windows, lamps along the cobbles, the moon and the stars above.

#include "cloud.h"
#include "puzzlepictures.h"
#include "scatter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <tuple>

namespace {

constexpr qreal street = 1010;

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, street);
    sky.setColorAt(0.0, QColor(10, 14, 50));
    sky.setColorAt(0.6, QColor(50, 40, 110));
    sky.setColorAt(1.0, QColor(150, 80, 130));
    p.fillRect(QRectF(0, 0, 1600, street), sky);
    Scatter scatter(2718u);
    for (int i = 0; i < 160; ++i) {
        const qreal r = scatter.between(1.5, 4.5);
        p.setBrush(QColor(255, 250, 220, int(scatter.between(120, 255))));
        p.drawEllipse(QPointF(scatter.between(0, 1600), scatter.between(0, 600)), r, r);
    }
    // A crescent: a pale disc with the sky's colour over part of it.
    QRadialGradient glow(QPointF(1280, 170), 190);
    glow.setColorAt(0.0, QColor(255, 250, 210, 120));
    glow.setColorAt(1.0, QColor(255, 250, 210, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(1280, 170), 190, 190);
    QPainterPath moon;
    moon.addEllipse(QPointF(1280, 170), 90, 90);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(1320, 140), 82, 82);
    p.setBrush(QColor(255, 248, 200));
    p.drawPath(moon.subtracted(shadow));
}

// Night clouds, dark against the sky with their edges lit by the moon.
void paintClouds(QPainter& p) {
    const std::tuple<qreal, qreal, qreal> clouds[] = {
        {180, 150, 300}, {640, 80, 240}, {900, 260, 200}};
    for (const auto& [x, y, w] : clouds) {
        const QPainterPath cloud = cloudShape(QPointF(x, y), w);
        p.setBrush(QColor(200, 190, 230));
        p.drawPath(cloud.translated(0, -6));
        p.setBrush(QColor(70, 60, 120));
        p.drawPath(cloud);
    }
}

// A shooting star: a bright head and a fading tail.
void paintShootingStar(QPainter& p) {
    QLinearGradient tail(QPointF(330, 40), QPointF(560, 150));
    tail.setColorAt(0.0, QColor(255, 255, 255, 0));
    tail.setColorAt(1.0, QColor(255, 255, 230, 230));
    p.setPen(QPen(QBrush(tail), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(330, 40), QPointF(560, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawEllipse(QPointF(560, 150), 9, 9);
}

// A cat sitting on the cobbles, seen from behind against the light.
void paintCat(QPainter& p, QPointF foot) {
    p.setBrush(QColor(20, 18, 24));
    p.drawEllipse(foot + QPointF(0, -55), 42, 58);
    p.drawEllipse(foot + QPointF(0, -128), 30, 28);
    p.drawPolygon(QPolygonF{
        {foot + QPointF(-28, -138), foot + QPointF(-22, -172), foot + QPointF(-6, -150)}});
    p.drawPolygon(
        QPolygonF{{foot + QPointF(28, -138), foot + QPointF(22, -172), foot + QPointF(6, -150)}});
    p.setPen(QPen(QColor(20, 18, 24), 14, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(foot + QPointF(30, -10));
    tail.cubicTo(foot + QPointF(110, 0), foot + QPointF(100, -80), foot + QPointF(80, -110));
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
}

// A puddle holding the glow of the lamp above it.
void paintPuddle(QPainter& p, QPointF at) {
    QRadialGradient water(at, 130);
    water.setColorAt(0.0, QColor(255, 220, 130));
    water.setColorAt(0.5, QColor(120, 110, 150));
    water.setColorAt(1.0, QColor(60, 60, 90));
    p.setBrush(water);
    p.drawEllipse(at, 150, 40);
}

struct House {
    qreal width, height;
    QColor wall, roof;
    int roofShape; // 0 gable, 1 steps, 2 flat with a cornice, 3 round
};

void paintHouse(QPainter& p, qreal x, const House& h, Scatter& scatter) {
    const qreal top = street - h.height;
    p.setBrush(h.wall);
    p.drawRect(QRectF(x, top, h.width, h.height));
    p.setBrush(h.roof);
    switch (h.roofShape) {
    case 0:
        p.drawPolygon(QPolygonF{{QPointF(x - 8, top), QPointF(x + h.width / 2, top - 110),
                                 QPointF(x + h.width + 8, top)}});
        break;
    case 1:
        for (int step = 0; step < 4; ++step)
            p.drawRect(QRectF(x + step * h.width / 8, top - (step + 1) * 28,
                              h.width - step * h.width / 4, 28));
        break;
    case 2:
        p.drawRect(QRectF(x - 10, top - 24, h.width + 20, 24));
        break;
    default:
        p.drawChord(QRectF(x, top - h.width / 2, h.width, h.width), 0, 180 * 16);
        break;
    }
    // Windows, most of them lit, in rows; a door in the middle of the ground floor.
    const int columns = h.width > 190 ? 3 : 2;
    const qreal pane = h.width / (columns * 2 + 1);
    for (qreal y = top + 40; y < street - 180; y += 110)
        for (int c = 0; c < columns; ++c) {
            const bool lit = scatter.next() < 0.7;
            p.setBrush(lit ? QColor(255, 214, 100) : QColor(30, 34, 70));
            const QRectF window(x + pane * (2 * c + 1), y, pane, 70);
            p.drawRect(window);
            p.setBrush(h.wall.darker(160));
            p.drawRect(QRectF(window.left() - 6, window.bottom(), window.width() + 12, 8));
        }
    p.setBrush(h.roof.darker(130));
    p.drawRoundedRect(QRectF(x + h.width / 2 - 32, street - 130, 64, 130), 30, 30,
                      Qt::AbsoluteSize);
    p.setBrush(QColor(255, 230, 150));
    p.drawEllipse(QPointF(x + h.width / 2, street - 100), 12, 12);
}

void paintStreet(QPainter& p) {
    p.fillRect(QRectF(0, street, 1600, 230), QColor(70, 66, 80));
    Scatter scatter(31u);
    for (int row = 0; row < 7; ++row)
        for (qreal x = (row % 2) * -30; x < 1600; x += 60) {
            const int shade = 85 + int(scatter.next() * 40);
            p.setBrush(QColor(shade, shade - 6, shade + 10));
            p.drawRoundedRect(QRectF(x + 3, street + 6 + row * 33, 54, 27), 8, 8);
        }
}

void paintLamp(QPainter& p, qreal x) {
    QRadialGradient glow(QPointF(x, street - 300), 170);
    glow.setColorAt(0.0, QColor(255, 220, 120, 150));
    glow.setColorAt(1.0, QColor(255, 220, 120, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, street - 300), 170, 170);
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(x - 7, street - 290, 14, 330));
    p.drawPolygon(QPolygonF{{QPointF(x - 30, street - 280), QPointF(x + 30, street - 280),
                             QPointF(x + 20, street - 340), QPointF(x - 20, street - 340)}});
    p.setBrush(QColor(255, 236, 160));
    p.drawRect(QRectF(x - 18, street - 334, 36, 48));
}

} // namespace

QImage paintNightStreet(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    drawInCanvasUnits(p, size);
    paintSky(p);
    paintClouds(p);
    paintShootingStar(p);
    const House houses[] = {
        {210, 640, QColor(200, 60, 60), QColor(90, 40, 40), 0},
        {170, 520, QColor(240, 190, 70), QColor(120, 70, 30), 1},
        {230, 700, QColor(70, 140, 190), QColor(40, 60, 90), 2},
        {180, 560, QColor(120, 180, 100), QColor(50, 90, 50), 3},
        {200, 480, QColor(230, 130, 170), QColor(110, 50, 80), 0},
        {250, 620, QColor(250, 240, 220), QColor(150, 60, 40), 1},
        {190, 540, QColor(140, 100, 190), QColor(60, 40, 100), 2},
        {190, 660, QColor(250, 140, 60), QColor(120, 60, 20), 0},
    };
    Scatter scatter(1234u);
    qreal x = -20;
    for (const House& h : houses) {
        paintHouse(p, x, h, scatter);
        x += h.width;
    }
    paintStreet(p);
    paintPuddle(p, QPointF(1420, 1170));
    for (const qreal lamp : {300.0, 900.0, 1450.0})
        paintLamp(p, lamp);
    paintCat(p, QPointF(720, 1190));
    return image;
}
