#include "support/solver.h"

#include <QtGlobal>
#include <algorithm>
#include <deque>
#include <unordered_map>

namespace {
quint64 key(const Board& board) {
    quint64 k = 0;
    for (const CellPos& p : board.positions())
        k = k * 9 + static_cast<quint64>(p.row * 3 + p.col);
    return k;
}

struct Step {
    quint64 from;
    Slide way;
};
} // namespace

std::vector<Slide> solve3x3(const Board& start) {
    std::unordered_map<quint64, Step> came;
    std::deque<Board> queue{start};
    const quint64 first = key(start);
    came.emplace(first, Step{first, Slide::Right});
    while (!queue.empty()) {
        const Board board = queue.front();
        queue.pop_front();
        if (board.isSolved()) {
            std::vector<Slide> path;
            for (quint64 k = key(board); k != first; k = came.at(k).from)
                path.push_back(came.at(k).way);
            std::reverse(path.begin(), path.end());
            return path;
        }
        for (const Slide way : {Slide::Right, Slide::Left, Slide::Down, Slide::Up}) {
            Board next = board;
            if (next.slide(way) >= 0 && came.emplace(key(next), Step{key(board), way}).second)
                queue.push_back(next);
        }
    }
    return {};
}
