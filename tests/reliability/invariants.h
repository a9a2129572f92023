#pragma once

#include <QString>

class Board;
class frmmain;
struct GameCounters;

// What must hold for the game's state after any command, whatever came before. Each returns an
// empty text when everything holds, or what is wrong.

// The cells stand on distinct home cells, and the arrangement can be slid back into order.
QString boardFault(const Board& board);
// Seconds and moves within 0..32767, the in-progress flag 0 or 1.
QString countersFault(const GameCounters& counters);
// The models of all three grids, the tile widgets standing where the models say, exactly one
// board shown and the counter labels holding counts in range.
QString windowFault(const frmmain& window);
