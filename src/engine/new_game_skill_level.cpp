#include "engine/new_game_skill_level.h"

#include <cassert>

const std::array<NEW_GAME_SKILL_LEVEL, NEW_GAME_SKILL_LEVEL::level_count>&
NEW_GAME_SKILL_LEVEL::table() {
    // Levels 1-4 search to a fixed depth; from level 5 on the depth limit is out of reach and
    // the time limit ends the search.
    static const std::array<NEW_GAME_SKILL_LEVEL, level_count> levels = {{
        {"newbie", 204, false, 2, 60},       {"beginner", 205, false, 3, 60},
        {"script kiddie", 206, true, 2, 60}, {"wannabe", 207, true, 3, 60},
        {"spammer", 208, true, 40, 4},       {"forum troll", 209, true, 40, 5},
        {"devry grad", 210, true, 40, 6},    {"trekkie", 211, true, 40, 7},
        {"larper", 212, true, 40, 8},        {"geek", 213, true, 40, 9},
        {"vax 11/780", 214, true, 40, 10},   {"ritalin kid", 215, true, 40, 15},
        {"lap dancer", 216, true, 40, 20},   {"soccer mom", 217, true, 40, 25},
        {"blonde", 218, true, 40, 30},       {"brunette", 219, true, 40, 35},
        {"redhead", 220, true, 40, 40},      {"hacker", 221, true, 40, 50},
        {"mensa", 222, true, 40, 60},        {"genius", 223, true, 40, 120},
    }};
    return levels;
}

const NEW_GAME_SKILL_LEVEL& NEW_GAME_SKILL_LEVEL::level(int32_t n) {
    assert(n >= 1 && n <= level_count);
    return table()[n - 1];
}

int32_t NEW_GAME_SKILL_LEVEL::level_for(const CHESS_GAME_OPTIONS& options) {
    for (int32_t n = 1; n <= level_count; ++n) {
        if (level(n).matches(options)) {
            return n;
        }
    }
    return fallback_level;
}

CHESS_GAME_OPTIONS NEW_GAME_SKILL_LEVEL::options_for(int32_t n, const CHESS_GAME_OPTIONS& base) {
    const NEW_GAME_SKILL_LEVEL& chosen = level(n);
    CHESS_GAME_OPTIONS options = base;
    options.qsearch = chosen.want_qsearch;
    options.max_ply = chosen.ply;
    options.max_time = chosen.search_time;
    return options;
}
