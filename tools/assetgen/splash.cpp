// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "splash.h"

#include "canvas.h"
#include "landscape.h"
#include "theme.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize imageSize(539, 229);
// What the splash window actually shows of the picture.
constexpr QRect visible(0, 0, 536, 228);
// Where the window's two buttons sit, with room around them.
constexpr QRect buttonPlate(388, 74, 113, 108);

constexpr int boardCells = 4;
constexpr QSize tileSize(40, 40);
constexpr int tileGap = 1;
constexpr int trayMargin = 5;
constexpr QPoint boardOrigin(16, 27);

void paintBackground(QPainter& p) {
    QLinearGradient base(0, 0, 0, visible.height());
    base.setColorAt(0.0, theme::windowBackground.lighter(122));
    base.setColorAt(1.0, theme::windowBackground.darker(128));
    p.fillRect(QRect(QPoint(0, 0), imageSize), base);

    QRadialGradient light(QPointF(visible.width() * 0.45, visible.height() * 0.35),
                          visible.width() * 0.5);
    light.setColorAt(0.0, QColor(255, 255, 255, 60));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(visible, light);

    // A faint ruling of squares that fades out before it reaches the buttons.
    QLinearGradient fade(0, 0, visible.width(), 0);
    fade.setColorAt(0.0, QColor(255, 255, 255, 26));
    fade.setColorAt(0.7, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(fade), 1));
    for (int x = 8; x < visible.width(); x += 24)
        p.drawLine(x, 0, x, visible.height());
    for (int y = 10; y < visible.height(); y += 24)
        p.drawLine(0, y, visible.width(), y);

    // An etched frame around the whole window, since the splash has no caption of its own.
    p.setPen(QColor(255, 255, 255, 150));
    p.drawLine(visible.left(), visible.top(), visible.right(), visible.top());
    p.drawLine(visible.left(), visible.top(), visible.left(), visible.bottom());
    p.setPen(QColor(30, 34, 60, 170));
    p.drawLine(visible.left(), visible.bottom(), visible.right(), visible.bottom());
    p.drawLine(visible.right(), visible.top(), visible.right(), visible.bottom());
}

void paintButtonPlate(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(buttonPlate).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(0, plate.top(), 0, plate.bottom());
    shade.setColorAt(0.0, QColor(60, 68, 100, 70));
    shade.setColorAt(1.0, QColor(60, 68, 100, 40));
    p.setBrush(shade);
    p.setPen(QPen(QColor(40, 46, 76, 120), 1));
    p.drawRoundedRect(plate, 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.translated(1, 1), 8, 8);
}

// A tile with a raised edge, cut from the landscape at its home cell. The landscape is drawn
// at the splash's own scale, so a tile is cut from it at that scale.
void paintTile(QPainter& p, const QImage& picture, QPoint home, QPointF at, int number) {
    const QRectF target(at, QSizeF(tileSize));
    const int scale = picture.width() / (tileSize.width() * boardCells);
    const QRect source(home.x() * tileSize.width() * scale, home.y() * tileSize.height() * scale,
                       tileSize.width() * scale, tileSize.height() * scale);
    p.drawImage(target, picture, source);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(255, 255, 255, 120));
    p.drawLine(target.topLeft(), target.topRight() - QPointF(1, 0));
    p.drawLine(target.topLeft(), target.bottomLeft() - QPointF(0, 1));
    p.setPen(QColor(0, 0, 0, 110));
    p.drawLine(target.bottomLeft() - QPointF(0, 1), target.bottomRight() - QPointF(1, 1));
    p.drawLine(target.topRight() - QPointF(1, 0), target.bottomRight() - QPointF(1, 1));

    // The number in the game's dark red, with a pale halo so it reads on any piece.
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(10);
    QPainterPath label;
    label.addText(target.topLeft() + QPointF(4, 12), font, QString::number(number));
    p.setPen(QPen(QColor(255, 248, 230, 200), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(label);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::numberRed);
    p.drawPath(label);
}

void paintBoard(QPainter& p, int scale) {
    const QSize board((tileSize.width() + tileGap) * boardCells - tileGap,
                      (tileSize.height() + tileGap) * boardCells - tileGap);
    const QRect tray(boardOrigin, board + QSize(2 * trayMargin, 2 * trayMargin));
    const QPoint inside = boardOrigin + QPoint(trayMargin, trayMargin);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 48, 80));
    p.drawRoundedRect(QRectF(tray).translated(4, 5), 7, 7);
    QLinearGradient frame(tray.topLeft(), tray.bottomRight());
    frame.setColorAt(0.0, QColor(170, 40, 40));
    frame.setColorAt(1.0, QColor(80, 0, 0));
    p.setBrush(frame);
    p.setPen(QPen(QColor(50, 0, 0), 1));
    p.drawRoundedRect(QRectF(tray).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    // The bed of the board shows through the gaps and the empty box in the game's box colour.
    const QRect bed(inside - QPoint(1, 1), board + QSize(2, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(theme::windowBackground.darker(150));
    p.drawRect(bed);
    QLinearGradient hollow(0, bed.top(), 0, bed.bottom());
    hollow.setColorAt(0.0, theme::windowBackground.darker(125));
    hollow.setColorAt(1.0, theme::windowBackground);

    const QImage picture = paintLandscape(
        QSize(tileSize.width() * boardCells, tileSize.height() * boardCells) * scale);
    const QPoint step(tileSize.width() + tileGap, tileSize.height() + tileGap);
    const int last = boardCells - 1;

    // The last tile is sliding home out of the empty box; every other tile is already home.
    for (int row = 0; row < boardCells; ++row) {
        for (int col = 0; col < boardCells; ++col) {
            if (row == last && col >= last - 1)
                continue;
            paintTile(p, picture, QPoint(col, row), inside + QPoint(col * step.x(), row * step.y()),
                      row * boardCells + col + 1);
        }
    }
    const QPoint movingHome(last - 1, last);
    const QPoint homeAt = inside + QPoint(movingHome.x() * step.x(), movingHome.y() * step.y());
    // Its home cell and the empty box beside it, both showing the bed where it is not.
    const QRect lane(homeAt, QSize(2 * step.x() - tileGap, tileSize.height()));
    p.fillRect(lane, hollow);
    const QPointF movingAt = QPointF(homeAt) + QPointF(step.x() / 2, 0);
    paintTile(p, picture, movingHome, movingAt, last * boardCells + last);

    // Speed lines trail behind it over the empty box.
    const qreal tail = movingAt.x() + tileSize.width();
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const qreal y = movingAt.y() + tileSize.height() * (0.3 + 0.2 * i);
        const qreal end = lane.right() - 3 - 4 * (i % 2);
        QLinearGradient streak(tail, 0, end, 0);
        streak.setColorAt(0.0, QColor(255, 255, 255, 200));
        streak.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(QPen(QBrush(streak), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(tail + 3, y), QPointF(end, y));
    }
}

QFont titleFont(qreal pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("URW Gothic"), QStringLiteral("DejaVu Sans")});
    font.setWeight(QFont::DemiBold);
    font.setPixelSize(static_cast<int>(pixelSize));
    // Slightly narrowed and tightened, so the name can be as tall as possible.
    font.setStretch(90);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    return font;
}

// The column between the board and the buttons that holds the name and the tagline.
QRectF textColumn() {
    const int left =
        boardOrigin.x() + (tileSize.width() + tileGap) * boardCells + 2 * trayMargin + 12;
    const int right = buttonPlate.left() - 10;
    return QRectF(left, 0, right - left, visible.height());
}

// The name as large as the column allows, gold with a dark red edge, standing off the
// background like the title banner of the main window. Returns its baseline.
qreal paintName(QPainter& p, const QRectF& column) {
    const QString name = QStringLiteral("Quadrello");
    int pixelSize = 60;
    while (pixelSize > 12 &&
           QFontMetricsF(titleFont(pixelSize)).horizontalAdvance(name) > column.width())
        --pixelSize;
    const QFont font = titleFont(pixelSize);
    const QFontMetricsF metrics(font);
    constexpr qreal baseline = 96;
    const QPointF origin(column.left() + (column.width() - metrics.horizontalAdvance(name)) / 2,
                         baseline);

    QPainterPath text;
    text.addText(origin, font, name);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 48, 90));
    p.drawPath(text.translated(3, 3));
    for (int step = 2; step >= 1; --step) {
        p.setBrush(theme::numberRed.darker(100 + 30 * step));
        p.drawPath(text.translated(step, step));
    }
    QLinearGradient face(0, baseline - metrics.ascent(), 0, baseline);
    face.setColorAt(0.0, theme::goldLight);
    face.setColorAt(0.5, theme::gold);
    face.setColorAt(1.0, theme::goldDeep);
    p.setBrush(face);
    p.setPen(QPen(theme::numberRed, 1.3));
    p.drawPath(text);
    return baseline;
}

QLinearGradient fadingAtBothEnds(const QRectF& column, QColor middle) {
    QColor clear = middle;
    clear.setAlpha(0);
    QLinearGradient gradient(column.left(), 0, column.right(), 0);
    gradient.setColorAt(0.0, clear);
    gradient.setColorAt(0.5, middle);
    gradient.setColorAt(1.0, clear);
    return gradient;
}

// An etched rule under the name, then the subtitle and the three board sizes.
void paintTagline(QPainter& p, const QRectF& column, qreal top) {
    p.setPen(QPen(QBrush(fadingAtBothEnds(column, theme::numberRed)), 2));
    p.drawLine(QPointF(column.left(), top), QPointF(column.right(), top));
    p.setPen(QPen(QBrush(fadingAtBothEnds(column, QColor(255, 255, 255, 160))), 1));
    p.drawLine(QPointF(column.left(), top + 1.5), QPointF(column.right(), top + 1.5));

    const QString subtitle = QStringLiteral("a sliding picture puzzle");
    QFont subtitleFont;
    subtitleFont.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Nimbus Roman")});
    subtitleFont.setItalic(true);
    subtitleFont.setPixelSize(14);
    while (QFontMetricsF(subtitleFont).horizontalAdvance(subtitle) > column.width())
        subtitleFont.setPixelSize(subtitleFont.pixelSize() - 1);
    p.setFont(subtitleFont);
    const QRectF subtitleBox(column.left(), top + 8, column.width(), 20);
    p.setPen(QColor(255, 255, 255, 140));
    p.drawText(subtitleBox.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, subtitle);
    p.setPen(QColor(36, 40, 76));
    p.drawText(subtitleBox, Qt::AlignHCenter | Qt::AlignTop, subtitle);

    QFont small;
    small.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans")});
    small.setPixelSize(11);
    small.setBold(true);
    p.setFont(small);
    p.setPen(theme::numberRed);
    p.drawText(QRectF(column.left(), top + 36, column.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("3\u00d73  \u00b7  4\u00d74  \u00b7  5\u00d75"));
}

} // namespace

QImage paintSplash(int scale) {
    QImage image = canvas(imageSize, scale, QImage::Format_RGB32);
    QPainter p(&image);
    paintBackground(p);
    paintButtonPlate(p);
    paintBoard(p, scale);
    const QRectF column = textColumn();
    paintTagline(p, column, paintName(p, column) + 14);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}
