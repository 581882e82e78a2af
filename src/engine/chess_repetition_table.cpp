#include "engine/chess_repetition_table.h"

#include <algorithm>

CHESS_REPETITION_TABLE::CHESS_REPETITION_TABLE() : elements_(initial_upper + 1, 0) {
    entered_.reserve(initial_upper);
}

void CHESS_REPETITION_TABLE::clear() {
    std::fill(elements_.begin(), elements_.end(), 0);
    entered_.clear();
    slots_in_use_ = 0;
}

bool CHESS_REPETITION_TABLE::has(const CHESS_POSITION& position) const {
    const int32_t lock = position.full_lock();
    for (int32_t i = start_index(position.full_key());; i = next_index(i)) {
        if (elements_[i] == lock) {
            return true;
        }
        if (elements_[i] == 0) {
            return false;
        }
    }
}

void CHESS_REPETITION_TABLE::enter(int32_t key, int32_t lock) {
    // One element always stays empty, so that every probe ends.
    if (slots_in_use_ + 1 >= upper()) {
        grow();
    }
    place(key, lock);
    entered_.emplace_back(key, lock);
}

void CHESS_REPETITION_TABLE::place(int32_t key, int32_t lock) {
    int32_t i = start_index(key);
    while (elements_[i] != 0) {
        i = next_index(i);
    }
    elements_[i] = lock;
    ++slots_in_use_;
}

void CHESS_REPETITION_TABLE::leave(int32_t key, int32_t lock) {
    for (int32_t i = start_index(key);; i = next_index(i)) {
        if (elements_[i] == lock) {
            elements_[i] = 0;
            --slots_in_use_;
            break;
        }
        if (elements_[i] == 0) {
            return;
        }
    }
    const auto entry = std::find(entered_.rbegin(), entered_.rend(), std::pair(key, lock));
    if (entry != entered_.rend()) {
        entered_.erase(std::next(entry).base());
    }
}

void CHESS_REPETITION_TABLE::grow() {
    elements_.assign(2 * elements_.size(), 0);
    slots_in_use_ = 0;
    for (const auto& [key, lock] : entered_) {
        place(key, lock);
    }
}
