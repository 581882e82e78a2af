// An ordered run of paths in the shared path pool of the board tables. Lists are views: the
// paths themselves are stored once, contiguously, in the order in which they are walked.
#pragma once

#include "rules/chess_path.h"

#include <cstdint>

class CHESS_PATH_LIST {
  public:
    const CHESS_PATH* first = nullptr;
    uint32_t count = 0;

    const CHESS_PATH* begin() const { return first; }
    const CHESS_PATH* end() const { return first + count; }

    void generate(const CHESS_POSITION& board, int32_t src, int32_t piece, CHESS_MOVE_QUEUE* moves,
                  CHESS_MOVE_QUEUE* captures) const {
        for (const CHESS_PATH& path : *this) {
            path.generate(board, src, piece, moves, captures);
        }
    }
    // True as soon as one path attacks; the rest are not examined.
    bool attacked_by(const CHESS_POSITION& board, int32_t side) const {
        for (const CHESS_PATH& path : *this) {
            if (path.attacked_by(board, side)) {
                return true;
            }
        }
        return false;
    }
};
