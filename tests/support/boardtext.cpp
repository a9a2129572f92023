#include "support/boardtext.h"

#include <QStringList>
#include <cmath>
#include <stdexcept>

Board boardFromText(const QString& text) {
    QString flat = text;
    flat.replace(QLatin1Char('/'), QLatin1Char(' '));
    const QStringList cells = flat.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int n = static_cast<int>(std::lround(std::sqrt(double(cells.size()))));
    if (n * n != cells.size())
        throw std::invalid_argument("not a square board");
    Board board(n);
    std::vector<CellPos> positions(static_cast<unsigned>(n * n));
    for (int at = 0; at < n * n; ++at) {
        const QString& c = cells[at];
        const int index = c == QLatin1String(".") ? n * n - 1 : c.toInt() - 1;
        positions[static_cast<unsigned>(index)] = {at % n, at / n};
    }
    board.setPositions(positions);
    return board;
}

QString boardToText(const Board& board) {
    const int n = board.size();
    QStringList rows;
    for (int row = 0; row < n; ++row) {
        QStringList line;
        for (int col = 0; col < n; ++col) {
            for (int c = 0; c < board.cellCount(); ++c) {
                if (board.position(c) == CellPos{col, row})
                    line << (c == board.emptyIndex() ? QStringLiteral(".")
                                                     : QString::number(c + 1));
            }
        }
        rows << line.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral(" / "));
}
