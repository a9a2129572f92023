// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Chunky block capitals for the title banner, built from a small grid of cells so that the
// lettering looks the same on every machine, whatever fonts are installed.

#include <QPainterPath>
#include <QSizeF>

// The outline of the text, one grid row being cell.height() high and one grid column
// cell.width() wide, with `gap` columns between letters. Only the letters of the title exist.
QPainterPath blockLettersPath(const QString& text, QSizeF cell, qreal gap);

// The width of blockLettersPath(text, ...) counted in grid columns.
qreal blockLettersColumns(const QString& text, qreal gap);
