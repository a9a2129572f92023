// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "titlebanner.h"

#include "blockletters.h"
#include "canvas.h"
#include "theme.h"

#include <QLinearGradient>
#include <QPainter>

QImage paintTitleBanner(int scale) {
    constexpr QSize size(430, 28);
    constexpr qreal gap = 2.4;
    constexpr qreal letterHeight = 22;
    constexpr int depth = 3;
    const QString text = QStringLiteral("QUADRELLO");

    const qreal columnWidth = (size.width() - 2 - depth) / blockLettersColumns(text, gap);
    const QPainterPath letters =
        blockLettersPath(text, QSizeF(columnWidth, letterHeight / 5), gap).translated(1, 1);

    QImage image = canvas(size, scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A soft shadow first, then the extruded sides, so the letters stand off the window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 48, 70));
    p.drawPath(letters.translated(depth + 1.5, depth + 1.5));
    for (int step = depth; step >= 1; --step) {
        p.setBrush(theme::numberRed.darker(100 + 25 * step));
        p.drawPath(letters.translated(step, step));
    }

    QLinearGradient face(0, 1, 0, 1 + letterHeight);
    face.setColorAt(0.0, theme::goldLight);
    face.setColorAt(0.45, theme::gold);
    face.setColorAt(1.0, theme::goldDeep);
    p.setBrush(face);
    p.setPen(QPen(theme::numberRed, 1.0));
    p.drawPath(letters);

    // A thin glint along the upper edges of the letters.
    p.setClipPath(letters);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters.translated(0.9, 0.9));
    return image;
}
