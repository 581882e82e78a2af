// How far and how long one search may run. The game's skill levels set a depth and a time limit
// that never cuts the first iteration short, so that a level always answers with a searched line;
// programs speaking to the engine add node, mate and clock budgets that end any iteration, so
// that no answer comes late. Every time is a duration with its unit.
#pragma once

#include "rules/chess_move.h"

#include <chrono>
#include <cstdint>
#include <vector>

struct CHESS_SEARCH_LIMITS {
    using DURATION = std::chrono::milliseconds;
    // Far beyond any game, yet small enough that adding it to the clock cannot overflow.
    static constexpr DURATION unlimited = std::chrono::hours(24 * 365);

    int32_t max_ply = 2;
    bool want_qsearch = false;
    // From the search's start; ends the search at the next reading of the clock.
    DURATION time_limit = unlimited;
    // The time limit waits until the first iteration has completed.
    bool first_iteration_completes = true;
    // Nodes between two readings of the clock. The levels read it every 50,000 nodes and may
    // overrun their deadline by that much; a budget that must not be overrun reads it every few
    // hundred nodes, a fraction of a millisecond.
    static constexpr int64_t level_clock_interval = 50000;
    static constexpr int64_t fine_clock_interval = 256;
    int64_t clock_interval = level_clock_interval;
    // No further iteration begins once this much time has passed.
    DURATION iteration_time = unlimited;
    // Ends the search when this many nodes have been visited (0: no limit).
    int64_t node_limit = 0;
    // Ends the search once a mate in this many moves or fewer is proven (0: no limit).
    int32_t mate_moves = 0;
    // A root past the fifty-move limit is reported drawn and answers no move; without it the
    // engine plays on and leaves the draw to whoever keeps the game.
    bool fifty_move_draw = true;
    // Only these root moves are searched (empty: every legal move).
    std::vector<CHESS_MOVE> root_moves;
    // Going easy: each root move is searched with the full window, so that its score is exact,
    // and gets a random bonus from 0 to this margin before the moves are compared; she then
    // plays a move up to the margin worse than her best, as a person overlooks things. 0: the
    // plain search, node for node.
    int32_t root_margin = 0;
};
