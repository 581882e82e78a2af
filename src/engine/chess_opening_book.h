// The opening book: the main lines of the named openings, read once from the compiled-in table
// and shared read-only for the rest of the run. Positions are looked up by their hash key and
// lock, so a line reached by another move order is found as well. A continuation's weight is the
// number of named lines that go on with it, so the moves of much-studied openings, which have many
// named variations, come up more often than the sidelines.
#pragma once

#include "rules/chess_move.h"
#include "rules/chess_position.h"
#include "rules/kwo_random.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CHESS_OPENING_BOOK {
  public:
    struct CONTINUATION {
        CHESS_MOVE move;
        int32_t weight = 0;
    };

    static const CHESS_OPENING_BOOK& instance();

    // The continuations the named lines offer from board; empty when board is out of the book.
    const std::vector<CONTINUATION>& continuations(const CHESS_POSITION& board) const;
    // The name of the opening whose line ends in board, such as "Sicilian Defense: Najdorf
    // Variation"; none when no named line ends there.
    std::optional<std::string> name(const CHESS_POSITION& board) const;
    // A continuation drawn at random by weight; none out of the book.
    std::optional<CHESS_MOVE> choose(const CHESS_POSITION& board, KWO_RANDOM& random) const;
    int32_t line_count() const { return line_count_; }

  private:
    struct NODE {
        std::vector<CONTINUATION> continuations;
        const char* name = nullptr;
    };

    CHESS_OPENING_BOOK();
    void add_line(const char* name, const char* moves);
    static uint64_t key(const CHESS_POSITION& board);

    std::unordered_map<uint64_t, NODE> nodes_;
    int32_t line_count_ = 0;
};
