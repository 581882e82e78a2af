// The history table: one counter per (from-square, to-square), raised by depth squared whenever
// a move causes a cutoff (captures and remembered best moves too, although only quiet moves are
// ever picked by it), and divided by 256 before every search, which leaves little of a search's
// counts for the next. A counter wraps around rather than overflowing.
#pragma once

#include "rules/chess_move.h"

#include <array>
#include <cstdint>

class CHESS_MOVE_HISTORY {
  public:
    static int32_t index(const CHESS_MOVE& m) { return (m.src - 1) * 64 + m.dst; }

    int32_t value(const CHESS_MOVE& m) const { return counters_[index(m)]; }
    void add(const CHESS_MOVE& m, int32_t depth) {
        counters_[index(m)] = static_cast<int32_t>(static_cast<uint32_t>(counters_[index(m)]) +
                                                   static_cast<uint32_t>(depth * depth));
    }
    void clear() { counters_.fill(0); }
    void age() {
        for (int32_t& counter : counters_) {
            counter /= 256;
        }
    }

  private:
    std::array<int32_t, 4097> counters_{}; // index 1..4096
};
