// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/solver.h"

#include <QtGlobal>
#include <algorithm>
#include <deque>
#include <numeric>
#include <unordered_map>

bool solvable(const Board& board) {
    const int n = board.size();
    std::vector<int> place; // where each cell stands, counted in reading order
    for (const CellPos p : board.positions())
        place.push_back(p.col >= 0 && p.col < n && p.row >= 0 && p.row < n ? p.row * n + p.col
                                                                           : -1);
    std::vector<int> everyPlace(place.size());
    std::iota(everyPlace.begin(), everyPlace.end(), 0);
    if (!std::is_permutation(place.begin(), place.end(), everyPlace.begin()))
        return false;
    const CellPos empty = board.position(board.emptyIndex());
    int parity = 2 * n - 2 - empty.col - empty.row;
    for (size_t i = 0; i < place.size(); ++i) {
        for (size_t j = i + 1; j < place.size(); ++j)
            parity += place[i] > place[j] ? 1 : 0;
    }
    return parity % 2 == 0;
}

namespace {
quint64 key(const Board& board) {
    quint64 k = 0;
    for (const CellPos& p : board.positions())
        k = k * 9 + static_cast<quint64>(p.row * 3 + p.col);
    return k;
}
} // namespace

std::vector<Slide> solve3x3(const Board& start) {
    const quint64 home = key(Board(3)), first = key(start);
    // Each arrangement reached, with the one it was reached from and the slide that did it.
    std::unordered_map<quint64, std::pair<quint64, Slide>> came{{first, {first, Slide::Right}}};
    for (std::deque<Board> queue{start}; !queue.empty(); queue.pop_front()) {
        const Board& board = queue.front();
        if (key(board) == home) {
            std::vector<Slide> path;
            for (quint64 k = home; k != first; k = came.at(k).first)
                path.insert(path.begin(), came.at(k).second);
            return path;
        }
        for (const Slide way : {Slide::Right, Slide::Left, Slide::Down, Slide::Up}) {
            Board next = board;
            if (next.slide(way) >= 0 && came.emplace(key(next), std::pair(key(board), way)).second)
                queue.push_back(next);
        }
    }
    return {};
}
