// One "go" command of the UCI dialogue, read and turned into search limits. Reading never fails:
// a parameter that cannot be read is described in `faults` and left out, so that every "go" is
// searched and answered. The clock is shared out so that the engine never loses on time: the move
// overhead is kept back for the program on the other side, a budget ends any iteration, the first
// included, and with no clock of its own the side to move answers at once.
#pragma once

#include "engine/chess_search_limits.h"
#include "engine/new_game_skill_level.h"
#include "rules/chess_game.h"

#include <cstdint>
#include <string>
#include <vector>

class CHESS_UCI_GO {
  public:
    using DURATION = CHESS_SEARCH_LIMITS::DURATION;

    static constexpr int32_t deepest_search = 64;
    // Sudden death is planned as if this many moves remained.
    static constexpr int64_t planned_moves = 40;

    CHESS_UCI_GO(const std::string& arguments, const CHESS_GAME& game);

    // The limits of the search: the level's depth and time when the command names none.
    CHESS_SEARCH_LIMITS limits(const NEW_GAME_SKILL_LEVEL& level, bool want_qsearch,
                               DURATION move_overhead) const;

    bool infinite() const { return infinite_; }
    bool ponder() const { return ponder_; }
    const std::vector<std::string>& faults() const { return faults_; }

  private:
    struct CLOCK_BUDGET {
        DURATION time_limit;
        DURATION iteration_time;
    };

    void read_number(const std::vector<std::string>& words, size_t& i);
    void read_search_moves(const std::vector<std::string>& words, size_t& i);
    bool has_clock() const { return time_left_[1] >= 0 || time_left_[2] >= 0; }
    CLOCK_BUDGET clock_budget(DURATION move_overhead) const;
    int32_t max_ply(const NEW_GAME_SKILL_LEVEL& level) const;

    const CHESS_GAME& game_;
    int64_t depth_ = 0;
    int64_t nodes_ = 0;
    int64_t mate_ = 0;
    int64_t movetime_ = -1;
    int64_t time_left_[3] = {-1, -1, -1}; // by side, milliseconds; -1: not given
    int64_t increment_[3] = {0, 0, 0};
    int64_t movestogo_ = 0;
    bool infinite_ = false;
    bool ponder_ = false;
    std::vector<CHESS_MOVE> search_moves_;
    std::vector<std::string> faults_;
};
