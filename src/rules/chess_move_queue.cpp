#include "rules/chess_move_queue.h"

#include <utility>

CHESS_MOVE_QUEUE::CHESS_MOVE_QUEUE(int32_t n) : area_(n + 1), keys_(n + 1), upper_(n) {}

void CHESS_MOVE_QUEUE::grow() {
    area_.resize(area_.size() + growth);
    keys_.resize(area_.size());
    upper_ += growth;
}

void CHESS_MOVE_QUEUE::swap(int32_t i, int32_t j) {
    std::swap(area_[i], area_[j]);
}

bool CHESS_MOVE_QUEUE::find_to_front(const CHESS_MOVE& m) {
    for (int32_t i = out_index_; i < in_index_; ++i) {
        if (area_[i] == m) {
            swap(i, out_index_);
            return true;
        }
    }
    return false;
}

void CHESS_MOVE_QUEUE::sort_by_key(const CHESS_POSITION& board) {
    for (int32_t i = out_index_; i < in_index_; ++i) {
        keys_[i] = area_[i].order_key(board);
    }
    for (int32_t k = out_index_; k < in_index_ - 1; ++k) {
        int32_t smallest = k;
        for (int32_t i = k + 1; i < in_index_; ++i) {
            if (keys_[i] < keys_[smallest]) {
                smallest = i;
            }
        }
        if (smallest != k) {
            std::swap(area_[k], area_[smallest]);
            std::swap(keys_[k], keys_[smallest]);
        }
    }
}
