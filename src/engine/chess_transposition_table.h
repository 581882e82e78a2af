// Remembers, for positions already searched, a bounded score and the depth it was searched to,
// so that a position reached again by another move order is not searched twice. A slot is found
// by the position's 32-bit key and confirmed by its independent 32-bit lock; entries are packed
// into one word beside the lock, in two parallel integer arrays. Entries live for the whole game:
// only a reset of the engine clears them. A store always replaces what the slot held. The game
// uses the default size; programs that drive the engine may choose another. The counters grow for
// the life of the table and are wide enough for any game.
#pragma once

#include "rules/chess_position.h"

#include <cstdint>
#include <vector>

class CHESS_TRANSPOSITION_TABLE {
  public:
    static constexpr int32_t default_size = 1000777;
    static constexpr int32_t entry_exact = 0;
    static constexpr int32_t entry_upper = 1;
    static constexpr int32_t entry_lower = 2;

    explicit CHESS_TRANSPOSITION_TABLE(int32_t slots = default_size);

    void clear();
    // Slots 1..slots, all empty.
    void resize(int32_t slots);
    int32_t size() const { return size_; }
    // The position every probe and store uses.
    void set_position(const CHESS_POSITION* cp) { cp_ = cp; }

    int32_t slot_index(int32_t key) const {
        return static_cast<int32_t>(static_cast<uint32_t>(key) % static_cast<uint32_t>(size_)) + 1;
    }
    static int32_t encode_entry(int32_t depth, int32_t score, int32_t type);
    void decode_entry(int32_t data);

    void probe(int32_t depth, int32_t alpha, int32_t beta);
    void store(int32_t depth, int32_t score, int32_t type);

    bool found() const { return found_; }
    int32_t last_score() const { return last_score_; }
    int64_t slots_used() const { return slots_used_; }
    int64_t num_collisions() const { return num_collisions_; }
    int64_t num_lookups() const { return num_lookups_; }
    int32_t score() const { return score_; }
    int32_t ttype() const { return ttype_; }
    int32_t depth() const { return depth_; }

  private:
    const CHESS_POSITION* cp_ = nullptr;
    int32_t size_;
    std::vector<int32_t> lock_table_; // index 1..size; 0 marks an empty slot
    std::vector<int32_t> data_table_;
    bool found_ = false;
    int32_t last_score_ = 0;
    int64_t slots_used_ = 0;
    int64_t num_collisions_ = 0;
    int64_t num_lookups_ = 0;
    int32_t score_ = 0;
    int32_t ttype_ = 0;
    int32_t depth_ = 0;
};
