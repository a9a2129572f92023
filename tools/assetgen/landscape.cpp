// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "landscape.h"

#include "scatter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace {

// A closed shape from the left edge to the right edge whose top follows `ridge`
// (given as a fraction of the height for a fraction of the width), down to the bottom.
QPainterPath ridgeShape(QSizeF size, const std::function<qreal(qreal)>& ridge) {
    QPainterPath path;
    path.moveTo(0, size.height());
    constexpr int samples = 160;
    for (int i = 0; i <= samples; ++i) {
        const qreal u = static_cast<qreal>(i) / samples;
        path.lineTo(u * size.width(), ridge(u) * size.height());
    }
    path.lineTo(size.width(), size.height());
    path.closeSubpath();
    return path;
}

void paintSky(QPainter& p, QSizeF size) {
    QLinearGradient sky(0, 0, 0, size.height() * 0.62);
    sky.setColorAt(0.0, QColor(46, 92, 178));
    sky.setColorAt(0.55, QColor(120, 176, 232));
    sky.setColorAt(0.85, QColor(250, 206, 170));
    sky.setColorAt(1.0, QColor(255, 178, 120));
    p.fillRect(QRectF(QPointF(0, 0), size), sky);

    const QPointF sun(size.width() * 0.70, size.height() * 0.30);
    const qreal r = size.width() * 0.065;
    QRadialGradient glow(sun, r * 4.5);
    glow.setColorAt(0.0, QColor(255, 250, 210, 220));
    glow.setColorAt(0.25, QColor(255, 226, 150, 110));
    glow.setColorAt(1.0, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, r * 4.5, r * 4.5);
    QRadialGradient disc(sun - QPointF(r * 0.3, r * 0.3), r * 1.2);
    disc.setColorAt(0.0, QColor(255, 255, 236));
    disc.setColorAt(1.0, QColor(255, 214, 90));
    p.setBrush(disc);
    p.drawEllipse(sun, r, r);
}

void paintClouds(QPainter& p, QSizeF size) {
    struct Cloud {
        qreal x, y, w;
    };
    const Cloud clouds[] = {{0.13, 0.15, 0.22}, {0.45, 0.09, 0.15}, {0.88, 0.19, 0.19}};
    // Each cloud is a row of overlapping puffs, biggest in the middle, cut flat underneath.
    const qreal puffs[][3] = {{-0.34, -0.02, 0.16},
                              {-0.14, -0.10, 0.24},
                              {0.10, -0.16, 0.28},
                              {0.32, -0.06, 0.19},
                              {0.46, 0.0, 0.11}};
    for (const Cloud& c : clouds) {
        const qreal w = c.w * size.width();
        const QPointF base(c.x * size.width(), c.y * size.height());
        QPainterPath cloud;
        cloud.setFillRule(Qt::WindingFill);
        for (const auto& puff : puffs)
            cloud.addEllipse(base + QPointF(puff[0] * w, puff[1] * w), puff[2] * w, puff[2] * w);
        QPainterPath above;
        above.addRect(QRectF(base.x() - w, base.y() - w, 2 * w, w + w * 0.06));
        cloud = cloud.simplified().intersected(above);
        QLinearGradient shade(0, base.y() - w * 0.42, 0, base.y() + w * 0.06);
        shade.setColorAt(0.0, QColor(255, 255, 255, 245));
        shade.setColorAt(0.7, QColor(250, 250, 255, 235));
        shade.setColorAt(1.0, QColor(222, 214, 236, 225));
        p.setBrush(shade);
        p.drawPath(cloud);
    }
}

void paintMountains(QPainter& p, QSizeF size) {
    const QPainterPath far = ridgeShape(size, [](qreal u) {
        return 0.40 - 0.10 * std::sin(u * 7.1 + 0.6) - 0.05 * std::sin(u * 17.0 + 1.3) -
               0.02 * std::sin(u * 41.0);
    });
    QLinearGradient haze(0, size.height() * 0.22, 0, size.height() * 0.6);
    haze.setColorAt(0.0, QColor(150, 140, 206));
    haze.setColorAt(1.0, QColor(196, 170, 214));
    p.setBrush(haze);
    p.drawPath(far);

    // Jagged peaks from a triangle wave, roughened by two small ripples.
    constexpr qreal peaksAcross = 2.4;
    constexpr qreal phase = 0.15;
    const auto nearRidge = [](qreal u) {
        const qreal fall = std::abs(std::fmod(u * peaksAcross + phase, 1.0) - 0.5) * 2;
        return 0.30 + 0.26 * fall + 0.03 * std::sin(u * 33.0) + 0.015 * std::sin(u * 71.0);
    };
    const QPainterPath near = ridgeShape(size, nearRidge);
    QLinearGradient rock(0, size.height() * 0.3, size.width() * 0.3, size.height() * 0.65);
    rock.setColorAt(0.0, QColor(92, 98, 168));
    rock.setColorAt(1.0, QColor(58, 66, 124));
    p.setBrush(rock);
    p.drawPath(near);

    // Snow lies above a wavy line, only on the mountains themselves.
    p.save();
    p.setClipPath(near);
    const QPainterPath snowLine =
        ridgeShape(size, [&](qreal u) { return nearRidge(u) + 0.07 + 0.02 * std::sin(u * 57.0); });
    QPainterPath snow;
    snow.addRect(QRectF(QPointF(0, 0), size));
    snow = snow.subtracted(snowLine);
    QLinearGradient ice(0, size.height() * 0.3, 0, size.height() * 0.42);
    ice.setColorAt(0.0, QColor(255, 255, 255));
    ice.setColorAt(1.0, QColor(206, 218, 250));
    p.setBrush(ice);
    p.drawPath(snow);
    // The sunlit faces below each peak are a little warmer.
    p.setBrush(QColor(255, 190, 140, 50));
    for (int i = 0; i < 3; ++i) {
        const qreal x = (i + 0.5 - phase) / peaksAcross * size.width();
        p.drawPolygon(QPolygonF{{QPointF(x, 0), QPointF(x + size.width() * 0.22, size.height()),
                                 QPointF(x + size.width() * 0.05, size.height())}});
    }
    p.restore();
}

void paintHills(QPainter& p, QSizeF size) {
    const QPainterPath back = ridgeShape(size, [](qreal u) {
        return 0.60 - 0.06 * std::sin(u * 4.0 + 2.2) + 0.02 * std::sin(u * 13);
    });
    QLinearGradient backGreen(0, size.height() * 0.5, 0, size.height());
    backGreen.setColorAt(0.0, QColor(126, 196, 86));
    backGreen.setColorAt(1.0, QColor(52, 130, 70));
    p.setBrush(backGreen);
    p.drawPath(back);

    const QPainterPath front =
        ridgeShape(size, [](qreal u) { return 0.72 + 0.07 * std::sin(u * 3.3 + 0.4); });
    QLinearGradient frontGreen(0, size.height() * 0.64, 0, size.height());
    frontGreen.setColorAt(0.0, QColor(168, 214, 84));
    frontGreen.setColorAt(1.0, QColor(70, 150, 52));
    p.setBrush(frontGreen);
    p.drawPath(front);
}

void paintLake(QPainter& p, QSizeF size) {
    QPainterPath shore;
    const qreal w = size.width(), h = size.height();
    shore.moveTo(w * 0.38, h);
    shore.cubicTo(w * 0.42, h * 0.80, w * 0.70, h * 0.76, w * 0.86, h * 0.80);
    shore.cubicTo(w * 0.98, h * 0.83, w * 1.02, h * 0.90, w, h);
    shore.closeSubpath();
    QLinearGradient water(0, h * 0.76, 0, h);
    water.setColorAt(0.0, QColor(150, 210, 246));
    water.setColorAt(1.0, QColor(36, 110, 196));
    p.setBrush(water);
    p.setPen(QPen(QColor(236, 226, 170), std::max<qreal>(1.0, w / 180)));
    p.drawPath(shore);

    p.save();
    p.setClipPath(shore);
    p.setPen(QPen(QColor(255, 255, 255, 150), std::max<qreal>(1.0, h / 220)));
    for (int i = 0; i < 5; ++i) {
        const qreal y = h * (0.84 + i * 0.035);
        const qreal x = w * (0.55 + 0.07 * std::sin(i * 2.1));
        p.drawLine(QPointF(x, y), QPointF(x + w * (0.10 - i * 0.01), y));
    }
    p.restore();
}

void paintPine(QPainter& p, QPointF foot, qreal height) {
    const qreal w = height * 0.42;
    p.setBrush(QColor(96, 60, 36));
    p.drawRect(QRectF(foot.x() - w * 0.08, foot.y() - height * 0.18, w * 0.16, height * 0.18));
    QLinearGradient needles(foot.x() - w / 2, 0, foot.x() + w / 2, 0);
    needles.setColorAt(0.0, QColor(46, 120, 66));
    needles.setColorAt(1.0, QColor(18, 72, 46));
    p.setBrush(needles);
    for (int tier = 0; tier < 3; ++tier) {
        const qreal base = foot.y() - height * (0.14 + tier * 0.24);
        const qreal half = w * (0.5 - tier * 0.11);
        p.drawPolygon(QPolygonF{{QPointF(foot.x() - half, base), QPointF(foot.x() + half, base),
                                 QPointF(foot.x(), base - height * 0.42)}});
    }
}

void paintTrees(QPainter& p, QSizeF size) {
    struct Tree {
        qreal x, y, h;
    };
    const Tree trees[] = {{0.06, 0.66, 0.15}, {0.13, 0.70, 0.20}, {0.20, 0.66, 0.13},
                          {0.28, 0.74, 0.22}, {0.90, 0.62, 0.12}, {0.96, 0.64, 0.14}};
    for (const Tree& t : trees)
        paintPine(p, QPointF(t.x * size.width(), t.y * size.height()), t.h * size.height());
}

void paintCottage(QPainter& p, QSizeF size) {
    const qreal u = size.width() / 100;
    const QPointF at(size.width() * 0.56, size.height() * 0.69);
    p.setBrush(QColor(250, 232, 196));
    p.drawRect(QRectF(at.x(), at.y() - 6 * u, 9 * u, 6 * u));
    p.setBrush(QColor(196, 40, 36));
    p.drawPolygon(QPolygonF{{QPointF(at.x() - 1.2 * u, at.y() - 5.6 * u),
                             QPointF(at.x() + 4.5 * u, at.y() - 10 * u),
                             QPointF(at.x() + 10.2 * u, at.y() - 5.6 * u)}});
    p.setBrush(QColor(90, 56, 40));
    p.drawRect(QRectF(at.x() + 5.5 * u, at.y() - 3.6 * u, 2 * u, 3.6 * u));
    p.setBrush(QColor(255, 214, 90));
    p.drawRect(QRectF(at.x() + 1.6 * u, at.y() - 4.2 * u, 2.2 * u, 2 * u));
}

void paintFlowers(QPainter& p, QSizeF size) {
    const QColor petals[] = {QColor(236, 40, 64), QColor(255, 220, 40), QColor(255, 255, 255),
                             QColor(210, 70, 200), QColor(255, 140, 30)};
    Scatter scatter(20240611u);
    const qreal r = std::max<qreal>(0.9, size.width() / 150);
    for (int i = 0; i < 70; ++i) {
        const qreal x = scatter.next() * size.width() * 0.42;
        const qreal y = size.height() * (0.80 + scatter.next() * 0.19);
        p.setBrush(petals[static_cast<int>(scatter.next() * 5) % 5]);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

} // namespace

QImage paintLandscape(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QSizeF area(size);
    paintSky(p, area);
    paintClouds(p, area);
    paintMountains(p, area);
    paintHills(p, area);
    p.setPen(Qt::NoPen);
    paintTrees(p, area);
    paintCottage(p, area);
    paintLake(p, area);
    p.setPen(Qt::NoPen);
    paintFlowers(p, area);
    return image;
}
