// The twenty skill levels a player chooses from when starting a game. Each level is a title, a
// picture and the three search settings it stands for; choosing a level sets the options' depth,
// time and quiescence to the level's. The table is shared and read-only: built once on first use
// and never changed, so a level can be handed around by reference for the whole run.
#pragma once

#include "engine/chess_game_options.h"

#include <array>
#include <cstdint>
#include <string>

class NEW_GAME_SKILL_LEVEL {
  public:
    static constexpr int32_t level_count = 20;
    // The level a dialog opens at for options that match no level (hand-written options).
    static constexpr int32_t fallback_level = 6;
    // Going easy on a beginner is offered at the fixed-depth levels 1..easy_levels, where a
    // random bonus of up to go_easy_margin on each root move's score lets her play a move that
    // much worse than her best (a pawn or two, sometimes a piece).
    static constexpr int32_t easy_levels = 4;
    static constexpr int32_t go_easy_margin = 500;

    std::string description; // the level's title
    int32_t bitmap = 0;      // resource number of the level's 60 x 60 picture
    bool want_qsearch = false;
    int32_t ply = 0;
    int32_t search_time = 0; // seconds

    // Level n, 1..level_count.
    static const NEW_GAME_SKILL_LEVEL& level(int32_t n);
    // The first level whose ply, time and quiescence equal the options'; fallback_level when
    // none does. The colour plays no part.
    static int32_t level_for(const CHESS_GAME_OPTIONS& options);
    // Options with level n's depth, time and quiescence, keeping the colour of base.
    static CHESS_GAME_OPTIONS options_for(int32_t n, const CHESS_GAME_OPTIONS& base);
    // The search's root margin at level n: go_easy_margin when going easy at a level that
    // offers it, else 0 (the plain search).
    static int32_t root_margin(int32_t n, bool go_easy) {
        return go_easy && n >= 1 && n <= easy_levels ? go_easy_margin : 0;
    }

    bool matches(const CHESS_GAME_OPTIONS& options) const {
        return ply == options.max_ply && search_time == options.max_time &&
               want_qsearch == options.qsearch;
    }

  private:
    static const std::array<NEW_GAME_SKILL_LEVEL, level_count>& table();
};
