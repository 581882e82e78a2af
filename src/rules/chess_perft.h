// Counts the leaves of the legal-move tree with the same legal-move walk the game and the search
// use. One generator per ply, reused, so a count allocates nothing once the queues have grown.
#pragma once

#include "rules/chess_movgen.h"
#include "rules/chess_position.h"

#include <cstdint>
#include <deque>
#include <functional>

class CHESS_PERFT {
  public:
    int64_t count(CHESS_POSITION& board, int32_t depth);
    // Counts below each legal root move and reports them in generator order (the root move is
    // still made on board while it is reported).
    int64_t divide(CHESS_POSITION& board, int32_t depth,
                   const std::function<void(const CHESS_MOVE&, int64_t)>& report);

  private:
    int64_t count_at(CHESS_POSITION& board, int32_t depth, size_t ply);
    CHESS_MOVGEN& generator(size_t ply);

    std::deque<CHESS_MOVGEN> generators_; // a deque keeps references stable as it grows
};
