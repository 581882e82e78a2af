// A growable array of reusable move records with a write index and a read index. Records are
// overwritten in place and never freed: once a queue has grown to the largest number of moves
// its ply has seen, generation allocates nothing.
#pragma once

#include "rules/chess_move.h"

#include <cstdint>
#include <vector>

class CHESS_MOVE_QUEUE {
  public:
    static constexpr int32_t lower = 1;
    static constexpr int32_t growth = 10;

    explicit CHESS_MOVE_QUEUE(int32_t n);

    int32_t upper() const { return upper_; }
    int32_t in_index() const { return in_index_; }
    int32_t out_index() const { return out_index_; }

    void add(int32_t type, int32_t piece, int32_t src, int32_t dst) {
        CHESS_MOVE& slot = area_[in_index_];
        slot.type = type;
        slot.piece = piece;
        slot.src = src;
        slot.dst = dst;
        if (++in_index_ > upper_) {
            grow();
        }
    }
    const CHESS_MOVE& item() const { return area_[out_index_]; }
    const CHESS_MOVE& at(int32_t i) const { return area_[i]; }
    void forth() { ++out_index_; }
    int32_t count() const { return in_index_ - out_index_; }
    bool is_empty() const { return in_index_ == out_index_; }
    void reset() { in_index_ = out_index_ = lower; }

    void swap(int32_t i, int32_t j);
    // Swaps the first pending move equal to m (all four fields) to the read position.
    bool find_to_front(const CHESS_MOVE& m);
    // Selection sort of the pending moves by order key, smallest first; ties keep the earlier.
    void sort_by_key(const CHESS_POSITION& board);

  private:
    void grow();

    std::vector<CHESS_MOVE> area_; // index 0 unused
    std::vector<int32_t> keys_;    // order keys during a sort, parallel to area_
    int32_t upper_;
    int32_t in_index_ = lower;
    int32_t out_index_ = lower;
};
