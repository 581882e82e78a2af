#include "engine/chess_transposition_table.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

CHESS_TRANSPOSITION_TABLE::CHESS_TRANSPOSITION_TABLE(int32_t slots) {
    resize(slots);
}

void CHESS_TRANSPOSITION_TABLE::resize(int32_t slots) {
    assert(slots > 0);
    size_ = slots;
    // Assigned afresh rather than resized, so a smaller table gives its memory back.
    lock_table_ = std::vector<int32_t>(static_cast<size_t>(slots) + 1, 0);
    data_table_ = std::vector<int32_t>(static_cast<size_t>(slots) + 1, 0);
    slots_used_ = num_collisions_ = num_lookups_ = 0;
}

void CHESS_TRANSPOSITION_TABLE::clear() {
    std::fill(lock_table_.begin(), lock_table_.end(), 0);
    std::fill(data_table_.begin(), data_table_.end(), 0);
    slots_used_ = num_collisions_ = num_lookups_ = 0;
}

// Bit 0 the score's sign, bits 1-2 the type, bits 3-10 the depth, the rest the score's size.
int32_t CHESS_TRANSPOSITION_TABLE::encode_entry(int32_t depth, int32_t score, int32_t type) {
    return 2048 * std::abs(score) + 8 * depth + 2 * type + (score < 0 ? 1 : 0);
}

void CHESS_TRANSPOSITION_TABLE::decode_entry(int32_t data) {
    score_ = (data & 1) != 0 ? -(data / 2048) : data / 2048;
    depth_ = (data / 8) & 255;
    ttype_ = (data / 2) & 3;
}

// A bound that decides the window delivers the window's edge, not the stored score.
void CHESS_TRANSPOSITION_TABLE::probe(int32_t depth, int32_t alpha, int32_t beta) {
    found_ = false;
    const int32_t i = slot_index(cp_->full_key());
    const int32_t lock = lock_table_[i];
    if (lock == cp_->full_lock()) {
        decode_entry(data_table_[i]);
        if (depth_ >= depth) {
            if (ttype_ == entry_exact) {
                last_score_ = score_;
                found_ = true;
            } else if (ttype_ == entry_upper && score_ <= alpha) {
                last_score_ = alpha;
                found_ = true;
            } else if (ttype_ == entry_lower && score_ >= beta) {
                last_score_ = beta;
                found_ = true;
            }
        }
        if (found_) {
            ++num_lookups_;
        }
    } else if (lock != 0) {
        ++num_collisions_;
    }
}

void CHESS_TRANSPOSITION_TABLE::store(int32_t depth, int32_t score, int32_t type) {
    const int32_t i = slot_index(cp_->full_key());
    if (lock_table_[i] == 0) {
        ++slots_used_;
    }
    lock_table_[i] = cp_->full_lock();
    data_table_[i] = encode_entry(depth, score, type);
}
