#include "reliability/invariants.h"

#include "app/frmmain.h"
#include "board/board.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "play/gamecounters.h"

#include <QLabel>
#include <vector>

namespace {

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

// Every slide swaps the empty box with a neighbour: one transposition of the cells and one step
// of the empty box. So the permutation's parity always equals the parity of the empty box's
// distance from its home, and an arrangement where they differ cannot be solved.
QString boardFault(const Board& board) {
    const int n = board.size();
    const int cells = board.cellCount();
    std::vector<int> place(static_cast<unsigned>(cells), -1);
    std::vector<bool> taken(static_cast<unsigned>(cells), false);
    for (int c = 0; c < cells; ++c) {
        const CellPos p = board.position(c);
        if (!inRange(p.col, 0, n - 1) || !inRange(p.row, 0, n - 1))
            return QStringLiteral("cell %1 stands off the board").arg(c);
        const int at = p.row * n + p.col;
        if (taken[static_cast<unsigned>(at)])
            return QStringLiteral("two cells share the place of cell %1").arg(c);
        taken[static_cast<unsigned>(at)] = true;
        place[static_cast<unsigned>(c)] = at;
    }
    int cycles = 0;
    std::vector<bool> seen(static_cast<unsigned>(cells), false);
    for (int c = 0; c < cells; ++c) {
        if (seen[static_cast<unsigned>(c)])
            continue;
        ++cycles;
        for (int d = c; !seen[static_cast<unsigned>(d)]; d = place[static_cast<unsigned>(d)])
            seen[static_cast<unsigned>(d)] = true;
    }
    const CellPos empty = board.position(board.emptyIndex());
    const int distance = (n - 1 - empty.col) + (n - 1 - empty.row);
    if ((cells - cycles) % 2 != distance % 2)
        return QStringLiteral("the arrangement cannot be solved");
    return {};
}

QString countersFault(const GameCounters& counters) {
    if (!inRange(counters.seconds, 0, GameCounters::kLimit))
        return QStringLiteral("seconds %1 out of range").arg(counters.seconds);
    if (!inRange(counters.moves, 0, GameCounters::kLimit))
        return QStringLiteral("moves %1 out of range").arg(counters.moves);
    if (!inRange(counters.scrambled, 0, 1))
        return QStringLiteral("in-progress flag %1").arg(counters.scrambled);
    return {};
}

QString windowFault(const frmmain& window) {
    int shown = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const QString prefix = QStringLiteral("grid %1: ").arg(slot);
        const Board& board = window.board(slot);
        if (QString fault = boardFault(board); !fault.isEmpty())
            return prefix + fault;
        if (QString fault = countersFault(window.counters(slot)); !fault.isEmpty())
            return prefix + fault;
        const BoardView* view = window.boardView(slot);
        const GridGeometry& grid = view->grid();
        for (int c = 0; c < board.cellCount(); ++c) {
            const CellPos p = board.position(c);
            if (view->cell(c)->pos() != QPoint(p.col * grid.stepW, p.row * grid.stepH))
                return prefix + QStringLiteral("cell %1 is drawn away from its place").arg(c);
        }
        if (view->isVisibleTo(view->parentWidget()))
            ++shown;
    }
    if (shown != 1)
        return QStringLiteral("%1 boards shown").arg(shown);
    for (const char* name : {"lblnummov", "lbltimer"}) {
        bool ok = false;
        const int value = window.findChild<QLabel*>(QLatin1String(name))->text().toInt(&ok);
        if (!ok || !inRange(value, 0, GameCounters::kLimit))
            return QStringLiteral("%1 shows a count out of range").arg(QLatin1String(name));
    }
    return {};
}
