// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/boardtext.h"

#include <QStringList>
#include <cmath>
#include <stdexcept>

Board boardFromText(const QString& text) {
    const QStringList cells = QString(text).replace('/', ' ').split(' ', Qt::SkipEmptyParts);
    const int n = static_cast<int>(std::lround(std::sqrt(double(cells.size()))));
    if (n * n != cells.size())
        throw std::invalid_argument("not a square board");
    Board board(n);
    std::vector<CellPos> positions(static_cast<unsigned>(n * n));
    for (int at = 0; at < n * n; ++at) {
        const int index = cells[at] == QLatin1String(".") ? n * n - 1 : cells[at].toInt() - 1;
        positions[static_cast<unsigned>(index)] = {at % n, at / n};
    }
    board.setPositions(positions);
    return board;
}

QString boardToText(const Board& board) {
    const int n = board.size();
    QStringList cells(n * n);
    for (int c = 0; c < board.cellCount(); ++c) {
        const CellPos p = board.position(c);
        cells[p.row * n + p.col] =
            c == board.emptyIndex() ? QStringLiteral(".") : QString::number(c + 1);
    }
    QStringList rows;
    for (int row = 0; row < n; ++row)
        rows << cells.mid(row * n, n).join(QLatin1Char(' '));
    return rows.join(QStringLiteral(" / "));
}
