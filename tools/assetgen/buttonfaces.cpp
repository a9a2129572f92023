// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttonfaces.h"

#include "canvas.h"
#include "theme.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize faceSize(68, 38);
// The field inside the bevel and the blue inlay line, where the motifs go.
constexpr QRect field(4, 4, 60, 30);

QImage paintField(int scale) {
    QImage image = canvas(faceSize, scale, QImage::Format_RGB32);
    const QRect r(QPoint(0, 0), faceSize);
    QPainter p(&image);
    QLinearGradient body(0, 0, 0, faceSize.height());
    body.setColorAt(0.0, theme::faceRedLight);
    body.setColorAt(0.5, theme::numberRed);
    body.setColorAt(1.0, theme::faceRedDark);
    p.fillRect(r, body);

    // Two-pixel bevel: light from the top left.
    p.setPen(QColor(226, 110, 104));
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(QColor(190, 62, 60));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 2, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 2);
    p.setPen(theme::faceRedEdge);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.setPen(theme::faceRedDark.darker(130));
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);

    // The blue inlay, sunk into the field: a dark line with a light one below and right.
    const QRect inlay = field.adjusted(-1, -1, 0, 0);
    p.setPen(theme::detailBlueDark);
    p.drawRect(inlay);
    p.setPen(
        QColor(theme::detailBlue.red(), theme::detailBlue.green(), theme::detailBlue.blue(), 200));
    p.drawLine(inlay.left() + 1, inlay.bottom() + 1, inlay.right() + 1, inlay.bottom() + 1);
    p.drawLine(inlay.right() + 1, inlay.top() + 1, inlay.right() + 1, inlay.bottom() + 1);
    return image;
}

void paintDigits(QPainter& p) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans")});
    font.setBold(true);
    font.setPixelSize(12);
    const QString rows[] = {QStringLiteral("12345"), QStringLiteral("67890")};
    constexpr qreal pitch = 11.0;
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 5; ++i) {
            const QRectF cell(field.left() + 3.5 + i * pitch, field.top() + 1.5 + row * 14, pitch,
                              13);
            QPainterPath digit;
            const QString text = rows[row].mid(i, 1);
            const qreal width = QFontMetricsF(font).horizontalAdvance(text);
            digit.addText(cell.left() + (pitch - width) / 2, cell.bottom() - 2, font, text);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 0, 0, 200));
            p.drawPath(digit.translated(0.8, 0.8));
            QLinearGradient blue(0, cell.top(), 0, cell.bottom());
            blue.setColorAt(0.0, theme::detailBlueLight);
            blue.setColorAt(1.0, theme::detailBlue);
            p.setBrush(blue);
            p.drawPath(digit);
        }
    }
}

void paintPaletteMotif(QPainter& p) {
    // An artist's palette: a pale board with a thumb hole and dabs of paint.
    const QRectF board(field.left() + 5, field.top() + 2.5, 44, 25);
    QPainterPath shape;
    shape.addEllipse(board);
    QPainterPath notch;
    notch.addEllipse(QRectF(board.right() - 13, board.bottom() - 12, 16, 14));
    shape = shape.subtracted(notch);
    QPainterPath hole;
    hole.addEllipse(QRectF(board.left() + 28, board.top() + 12, 6, 5));
    shape = shape.subtracted(hole);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 0, 0, 150));
    p.drawPath(shape.translated(1.2, 1.2));
    QLinearGradient wood(board.topLeft(), board.bottomRight());
    wood.setColorAt(0.0, QColor(250, 232, 190));
    wood.setColorAt(1.0, QColor(206, 166, 110));
    p.setBrush(wood);
    p.setPen(QPen(QColor(110, 60, 30), 0.8));
    p.drawPath(shape);

    struct Dab {
        qreal x, y;
        QColor colour;
    };
    const Dab dabs[] = {{7, 9, QColor(222, 30, 40)},    {15, 5.5, QColor(255, 200, 30)},
                        {24, 5, QColor(60, 180, 70)},   {32, 7, theme::detailBlue},
                        {9, 17, QColor(255, 255, 255)}, {18, 19, QColor(170, 60, 200)}};
    for (const Dab& dab : dabs) {
        const QPointF centre = board.topLeft() + QPointF(dab.x, dab.y);
        QRadialGradient gloss(centre - QPointF(1, 1), 3.6);
        gloss.setColorAt(0.0, dab.colour.lighter(150));
        gloss.setColorAt(1.0, dab.colour);
        p.setBrush(gloss);
        p.setPen(QPen(dab.colour.darker(160), 0.6));
        p.drawEllipse(centre, 3.1, 2.7);
    }

    // A brush laid across the palette, its handle in the panel's blue.
    p.save();
    p.translate(field.left() + 47, field.top() + 9);
    p.rotate(58);
    QLinearGradient handle(0, -1.6, 0, 1.6);
    handle.setColorAt(0.0, theme::detailBlueLight);
    handle.setColorAt(1.0, theme::detailBlueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(handle);
    p.drawRoundedRect(QRectF(4, -1.6, 20, 3.2), 1.5, 1.5);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(0, -1.5, 4.5, 3));
    p.setBrush(QColor(222, 30, 40));
    QPainterPath tip;
    tip.moveTo(0.5, -1.5);
    tip.quadTo(-4, -1.2, -6.5, 0);
    tip.quadTo(-4, 1.2, 0.5, 1.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

// A small board of n × n blue tiles, each `pitch` pixels apart, with the last cell left empty.
void paintMiniBoard(QPainter& p, QPoint topLeft, int n, int pitch) {
    p.fillRect(QRect(topLeft, QSize(n * pitch + 1, n * pitch + 1)), theme::detailBlueDark);
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const QRect cell(topLeft + QPoint(col * pitch + 1, row * pitch + 1),
                             QSize(pitch - 1, pitch - 1));
            if (row == n - 1 && col == n - 1) {
                p.fillRect(cell, theme::windowBackground.darker(140));
                continue;
            }
            p.fillRect(cell, theme::detailBlue);
            p.setPen(theme::detailBlueLight);
            p.drawLine(cell.topLeft(), cell.topRight());
            p.drawLine(cell.topLeft(), cell.bottomLeft());
        }
    }
}

} // namespace

QImage paintNumberedFace(int scale) {
    QImage image = paintField(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintDigits(p);
    return image;
}

QImage paintPlainFace(int scale) {
    return paintField(scale);
}

QImage paintGridFace(int scale) {
    QImage image = paintField(scale);
    QPainter p(&image);
    // Squares of five pixels between blue rules, the outer rules being the inlay itself.
    constexpr int pitch = 6;
    const QRect ruled = field.adjusted(-1, -1, 0, 0);
    for (int y = ruled.top() + 1; y < ruled.bottom(); y += pitch) {
        for (int x = ruled.left() + 1; x < ruled.right(); x += pitch) {
            p.setPen(QColor(255, 255, 255, 40));
            p.drawLine(x, y, x + pitch - 2, y);
            p.setPen(QColor(0, 0, 0, 50));
            p.drawLine(x, y + pitch - 2, x + pitch - 2, y + pitch - 2);
        }
    }
    p.setPen(theme::detailBlue);
    for (int x = ruled.left(); x <= ruled.right(); x += pitch)
        p.drawLine(x, ruled.top(), x, ruled.bottom());
    for (int y = ruled.top(); y <= ruled.bottom(); y += pitch)
        p.drawLine(ruled.left(), y, ruled.right(), y);
    return image;
}

QImage paintColorFace(int scale) {
    QImage image = paintField(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPaletteMotif(p);
    return image;
}

QImage paintPreferencesFace(int scale) {
    QImage image = paintField(scale);
    QPainter p(&image);
    // The three splittings side by side, each cut into whole pixels: 3×3 cells of five
    // pixels, 4×4 of four and 5×5 of three, so the boards come out nearly the same size.
    struct Board {
        int n, pitch;
    };
    constexpr Board boards[] = {{3, 5}, {4, 4}, {5, 3}};
    int width = 0;
    for (const Board& b : boards)
        width += b.n * b.pitch + 1;
    constexpr int spacing = 3;
    int left = field.left() + (field.width() - width - 2 * spacing) / 2;
    for (const Board& b : boards) {
        const int side = b.n * b.pitch + 1;
        paintMiniBoard(p, QPoint(left, field.top() + (field.height() - side) / 2), b.n, b.pitch);
        left += side + spacing;
    }
    return image;
}
