// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keypadicon.h"

#include "theme.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

int scaled(int size, qreal fraction, int least) {
    return std::max(least, static_cast<int>(std::lround(size * fraction)));
}

void paintBody(QPainter& p, QRect body, int size) {
    const qreal radius = size * 0.11;
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shell(body.topLeft(), body.bottomRight());
    shell.setColorAt(0.0, QColor(86, 138, 236));
    shell.setColorAt(1.0, QColor(28, 58, 158));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 26, 80));
    p.drawRoundedRect(QRectF(body), radius, radius);
    p.setBrush(shell);
    const qreal rim = std::max<qreal>(1.0, size / 32.0);
    p.drawRoundedRect(QRectF(body).adjusted(rim, rim, -rim, -rim), radius - rim * 0.7,
                      radius - rim * 0.7);
    if (size >= 48) {
        p.setPen(QPen(QColor(255, 255, 255, 90), rim));
        p.setBrush(Qt::NoBrush);
        const qreal inset = rim * 1.5;
        p.drawRoundedRect(QRectF(body).adjusted(inset, inset, -inset, -inset), radius - inset * 0.7,
                          radius - inset * 0.7);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintDisplay(QPainter& p, QRect display, int size) {
    p.fillRect(display, QColor(12, 30, 60));
    const int frame = std::max(1, size / 48);
    const QRect glass = display.adjusted(frame, frame, -frame, -frame);
    QLinearGradient lcd(0, glass.top(), 0, glass.bottom());
    lcd.setColorAt(0.0, QColor(214, 244, 226));
    lcd.setColorAt(1.0, QColor(150, 204, 184));
    p.fillRect(glass, lcd);
    if (size >= 64) {
        QFont font;
        font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Nimbus Mono PS")});
        font.setBold(true);
        font.setPixelSize(glass.height() * 3 / 4);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(font);
        p.setPen(QColor(24, 60, 52));
        p.drawText(glass.adjusted(0, 0, -glass.height() / 4, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("15"));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

void paintKey(QPainter& p, QRect key) {
    if (key.width() <= 2) {
        p.fillRect(key, theme::detailBlueLight);
        return;
    }
    QLinearGradient face(0, key.top(), 0, key.bottom());
    face.setColorAt(0.0, QColor(196, 220, 255));
    face.setColorAt(1.0, QColor(112, 156, 240));
    if (key.width() < 12) {
        // Small keys are drawn pixel by pixel: a lit top edge, a shaded bottom and right.
        p.fillRect(key, face);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(key.topLeft(), key.topRight());
        p.setPen(QColor(20, 40, 120));
        p.drawLine(key.bottomLeft(), key.bottomRight());
        p.drawLine(key.topRight() + QPoint(0, 1), key.bottomRight());
        return;
    }
    const qreal bevel = key.width() / 12.0;
    const qreal radius = key.width() / 8.0;
    const QRectF cap = QRectF(key).adjusted(0, 0, -bevel, -bevel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 120));
    p.drawRoundedRect(cap.translated(bevel, bevel), radius, radius);
    p.setBrush(face);
    p.drawRoundedRect(cap, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 200), bevel * 0.8));
    p.setBrush(Qt::NoBrush);
    const qreal inset = bevel * 0.9;
    p.drawLine(QPointF(cap.left() + radius, cap.top() + inset),
               QPointF(cap.right() - radius, cap.top() + inset));
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintEmptySlot(QPainter& p, QRect slot) {
    const QColor hollow(14, 26, 80, 170);
    if (slot.width() < 12) {
        p.fillRect(slot, hollow);
        return;
    }
    const qreal radius = slot.width() / 8.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(hollow);
    p.drawRoundedRect(QRectF(slot), radius, radius);
    // Its lower edge catches the light, so it reads as a hole rather than a dark key.
    p.setPen(QPen(QColor(255, 255, 255, 70), slot.width() / 16.0));
    p.drawLine(QPointF(slot.left() + radius, slot.bottom() + 0.5),
               QPointF(slot.right() + 1 - radius, slot.bottom() + 0.5));
    p.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

QImage paintKeypadIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);

    // The keys are as large as the height allows; the body is then only as wide as the keys
    // need, which gives the keypad its upright shape at every size.
    const int margin = scaled(size, 0.03, 0);
    const int pad = scaled(size, 0.07, 2);
    const int displayHeight = scaled(size, 0.16, 3);
    const int gap = scaled(size, 0.055, 1);
    const int height = size - 2 * margin;
    const int keysHeight = height - 2 * pad - displayHeight - gap;
    const int key = (keysHeight - 2 * gap) / 3;
    const int block = 3 * key + 2 * gap;
    const int width = block + 2 * pad;
    const int spare = keysHeight - block;

    const QRect body((size - width) / 2, margin, width, height);
    paintBody(p, body, size);
    const QRect display(body.left() + pad, body.top() + pad + spare / 2, block, displayHeight);
    paintDisplay(p, display, size);

    // Three by three keys, the last slot left empty.
    const QPoint origin(display.left(), display.bottom() + 1 + gap);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect slot(origin + QPoint(col * (key + gap), row * (key + gap)),
                             QSize(key, key));
            if (row == 2 && col == 2)
                paintEmptySlot(p, slot);
            else
                paintKey(p, slot);
        }
    }
    return image;
}
