// Counts the leaves of the legal-move tree the way the game finds legal moves: every generated
// move is made, kept when the mover's king is not attacked, and unmade. One generator per ply,
// reused, so a count allocates nothing once the queues have grown.
#pragma once

#include "rules/chess_movgen.h"
#include "rules/chess_position.h"

#include <cstdint>
#include <deque>
#include <functional>

class CHESS_PERFT {
  public:
    int64_t count(CHESS_POSITION& board, int32_t depth);
    // Counts below each legal root move and reports them in generator order.
    int64_t divide(CHESS_POSITION& board, int32_t depth,
                   const std::function<void(const CHESS_MOVE&, int64_t)>& report);

  private:
    int64_t count_at(CHESS_POSITION& board, int32_t depth, size_t ply);
    CHESS_MOVGEN& generator(size_t ply);

    std::deque<CHESS_MOVGEN> generators_; // a deque keeps references stable as it grows
};
