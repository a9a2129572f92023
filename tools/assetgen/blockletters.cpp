// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blockletters.h"

#include <QPolygonF>
#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr int glyphRows = 5;
// Any character without a glyph, a blank included, leaves this many columns empty.
constexpr qreal blankColumns = 3;

// In the rows, '#' is a full cell and a digit is a cell with one corner cut off diagonally,
// the digit naming the missing corner as on a numeric keypad (7 top left, 9 top right,
// 1 bottom left, 3 bottom right). A few letters add a diagonal stroke (the tail of Q, the
// leg of R), a quadrilateral in cell units whose right end may reach past the rows.
struct Glyph {
    char letter;
    std::array<std::string_view, glyphRows> rows;
    std::optional<std::array<QPointF, 4>> stroke;
    qreal columns;
};

constexpr std::optional<std::array<QPointF, 4>> noStroke;

constexpr std::array glyphs{
    Glyph{'Q',
          {"7###9", "#...#", "#...#", "#...#", "1###3"},
          std::array{QPointF(2.3, 2.8), QPointF(3.5, 2.8), QPointF(5.6, 5.0), QPointF(4.4, 5.0)},
          5.6},
    Glyph{'U', {"#...#", "#...#", "#...#", "#...#", "1###3"}, noStroke, 5},
    Glyph{'A', {"7###9", "#...#", "#####", "#...#", "#...#"}, noStroke, 5},
    Glyph{'D', {"####9", "#...#", "#...#", "#...#", "####3"}, noStroke, 5},
    Glyph{'R',
          {"####9", "#...#", "####3", "#....", "#...."},
          std::array{QPointF(2.2, 2.6), QPointF(3.5, 2.6), QPointF(5.0, 5.0), QPointF(3.7, 5.0)},
          5},
    Glyph{'E', {"#####", "#....", "####.", "#....", "#####"}, noStroke, 5},
    Glyph{'L', {"#...", "#...", "#...", "#...", "####"}, noStroke, 4},
    Glyph{'O', {"7###9", "#...#", "#...#", "#...#", "1###3"}, noStroke, 5},
};

const Glyph* glyphFor(QChar letter) {
    for (const Glyph& glyph : glyphs) {
        if (QChar(glyph.letter) == letter.toUpper())
            return &glyph;
    }
    return nullptr;
}

QPolygonF cellShape(char code, QRectF cell) {
    const QPointF tl = cell.topLeft(), tr = cell.topRight();
    const QPointF bl = cell.bottomLeft(), br = cell.bottomRight();
    switch (code) {
    case '7':
        return QPolygonF{{tr, br, bl}};
    case '9':
        return QPolygonF{{tl, br, bl}};
    case '1':
        return QPolygonF{{tl, tr, br}};
    case '3':
        return QPolygonF{{tl, tr, bl}};
    default:
        return QPolygonF{{tl, tr, br, bl}};
    }
}

} // namespace

QPainterPath blockLettersPath(const QString& text, QSizeF cell, qreal gap) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    qreal column = 0;
    for (const QChar letter : text) {
        const Glyph* glyph = glyphFor(letter);
        if (!glyph) {
            column += blankColumns + gap;
            continue;
        }
        for (int row = 0; row < glyphRows; ++row) {
            const std::string_view cells = glyph->rows[static_cast<std::size_t>(row)];
            for (std::size_t c = 0; c < cells.size(); ++c) {
                if (cells[c] == '.')
                    continue;
                const QRectF rect((column + static_cast<qreal>(c)) * cell.width(),
                                  row * cell.height(), cell.width(), cell.height());
                path.addPolygon(cellShape(cells[c], rect));
                path.closeSubpath();
            }
        }
        if (glyph->stroke) {
            QPolygonF stroke;
            for (const QPointF corner : *glyph->stroke)
                stroke << QPointF((column + corner.x()) * cell.width(), corner.y() * cell.height());
            path.addPolygon(stroke);
            path.closeSubpath();
        }
        column += glyph->columns + gap;
    }
    return path.simplified();
}

qreal blockLettersColumns(const QString& text, qreal gap) {
    qreal columns = 0;
    for (const QChar letter : text) {
        const Glyph* glyph = glyphFor(letter);
        columns += (glyph ? glyph->columns : blankColumns) + gap;
    }
    return text.isEmpty() ? 0 : columns - gap;
}
