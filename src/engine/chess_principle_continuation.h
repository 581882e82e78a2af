// The best line found below each node of one iteration: a square table of moves, one row per
// ply below the root. The root uses row 1 and a depth-0 node row max_depth + 1; row r holds its
// node's line in columns r .. pclength(r) - 1. Every move object exists from the start and is
// overwritten by copy, so the search allocates nothing per node.
#pragma once

#include "rules/chess_move.h"

#include <cstdint>
#include <vector>

class CHESS_PRINCIPLE_CONTINUATION {
  public:
    explicit CHESS_PRINCIPLE_CONTINUATION(int32_t max_depth);

    int32_t max_depth() const { return max_depth_; }
    int32_t width() const { return max_depth_ + 1; }
    int32_t row_of(int32_t depth) const { return max_depth_ - depth + 1; }

    const CHESS_MOVE& item(int32_t row, int32_t column) const {
        return elements_[(row - 1) * width() + column - 1];
    }
    CHESS_MOVE& item(int32_t row, int32_t column) {
        return elements_[(row - 1) * width() + column - 1];
    }
    int32_t pclength(int32_t row) const { return pclength_[row]; }
    void set_pclength(int32_t row, int32_t length) { pclength_[row] = length; }

    // The line of row r becomes the move followed by the line of row r + 1.
    void update_line(int32_t r, const CHESS_MOVE& move);
    // The root's line: row 1, columns 1 .. pclength(1) - 1.
    std::vector<CHESS_MOVE> best_line() const;

  private:
    int32_t max_depth_;
    std::vector<CHESS_MOVE> elements_;
    std::vector<int32_t> pclength_; // index 1..max_depth + 1
};
