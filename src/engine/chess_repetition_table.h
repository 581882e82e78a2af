// The positions of the game so far and of the path from the search root to the current node,
// as locks in a linear-probing table; a node whose position is here scores as a draw. Removals
// come in the reverse order of insertions, which keeps every remaining lock reachable from its
// start without tombstones.
//
// The table holds 2137 locks. A game that outgrows it doubles the capacity and places every lock
// again, so no position is ever lost and a probe always meets an empty element.
#pragma once

#include "rules/chess_position.h"

#include <cstdint>
#include <utility>
#include <vector>

class CHESS_REPETITION_TABLE {
  public:
    static constexpr int32_t lower = 1;
    static constexpr int32_t initial_upper = 2137;

    CHESS_REPETITION_TABLE();

    void clear();
    bool has(const CHESS_POSITION& position) const;
    void insert(const CHESS_POSITION& position) {
        enter(position.full_key(), position.full_lock());
    }
    void enter(int32_t key, int32_t lock);
    void leave(int32_t key, int32_t lock);

    int32_t upper() const { return static_cast<int32_t>(elements_.size()) - 1; }
    int32_t slots_in_use() const { return slots_in_use_; }
    int32_t item(int32_t i) const { return elements_[i]; }

  private:
    int32_t start_index(int32_t key) const {
        return static_cast<int32_t>(static_cast<uint32_t>(key) % static_cast<uint32_t>(upper())) +
               1;
    }
    int32_t next_index(int32_t i) const { return i == upper() ? lower : i + 1; }
    void place(int32_t key, int32_t lock);
    void grow();

    std::vector<int32_t> elements_; // index 1..upper; 0 marks an empty element
    // Every (key, lock) in the order of entry, to place them again in that order when growing:
    // the order is what keeps removals in reverse order sound.
    std::vector<std::pair<int32_t, int32_t>> entered_;
    int32_t slots_in_use_ = 0;
};
