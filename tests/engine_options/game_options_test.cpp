#include "engine/chess_game_options.h"
#include "engine/new_game_skill_level.h"

#include <gtest/gtest.h>

TEST(GameOptions, DefaultsAreLevelOneAndReadAsText) {
    const CHESS_GAME_OPTIONS options;
    EXPECT_FALSE(options.qsearch);
    EXPECT_EQ(options.max_ply, 2);
    EXPECT_EQ(options.max_time, 60);
    EXPECT_EQ(options.player_color, 1);
    EXPECT_EQ(options.out(), "ply=2, time=60, qsearch=False, player=White");
    EXPECT_EQ(NEW_GAME_SKILL_LEVEL::level_for(options), 1);
}

TEST(GameOptions, TextFormShowsEveryField) {
    CHESS_GAME_OPTIONS options;
    options.qsearch = true;
    options.max_ply = 40;
    options.max_time = 120;
    options.player_color = 2;
    EXPECT_EQ(options.out(), "ply=40, time=120, qsearch=True, player=Black");
}

TEST(SkillLevels, TableHoldsTwentyLevelsInOrder) {
    struct ROW {
        const char* title;
        int32_t bitmap, ply, time;
        bool qsearch;
    };
    const ROW rows[] = {
        {"newbie", 204, 2, 60, false},       {"beginner", 205, 3, 60, false},
        {"script kiddie", 206, 2, 60, true}, {"wannabe", 207, 3, 60, true},
        {"spammer", 208, 40, 4, true},       {"forum troll", 209, 40, 5, true},
        {"devry grad", 210, 40, 6, true},    {"trekkie", 211, 40, 7, true},
        {"larper", 212, 40, 8, true},        {"geek", 213, 40, 9, true},
        {"vax 11/780", 214, 40, 10, true},   {"ritalin kid", 215, 40, 15, true},
        {"lap dancer", 216, 40, 20, true},   {"soccer mom", 217, 40, 25, true},
        {"blonde", 218, 40, 30, true},       {"brunette", 219, 40, 35, true},
        {"redhead", 220, 40, 40, true},      {"hacker", 221, 40, 50, true},
        {"mensa", 222, 40, 60, true},        {"genius", 223, 40, 120, true},
    };
    for (int32_t n = 1; n <= NEW_GAME_SKILL_LEVEL::level_count; ++n) {
        const ROW& row = rows[n - 1];
        const NEW_GAME_SKILL_LEVEL& level = NEW_GAME_SKILL_LEVEL::level(n);
        EXPECT_EQ(level.description, row.title) << n;
        EXPECT_EQ(level.bitmap, row.bitmap) << n;
        EXPECT_EQ(level.ply, row.ply) << n;
        EXPECT_EQ(level.search_time, row.time) << n;
        EXPECT_EQ(level.want_qsearch, row.qsearch) << n;
    }
}

TEST(SkillLevels, EveryLevelIsFoundFromItsOwnOptionsWhateverTheColour) {
    for (int32_t n = 1; n <= NEW_GAME_SKILL_LEVEL::level_count; ++n) {
        for (int32_t color : {1, 2}) {
            CHESS_GAME_OPTIONS base;
            base.player_color = color;
            const CHESS_GAME_OPTIONS options = NEW_GAME_SKILL_LEVEL::options_for(n, base);
            EXPECT_EQ(options.player_color, color);
            EXPECT_EQ(NEW_GAME_SKILL_LEVEL::level_for(options), n);
        }
    }
}

TEST(SkillLevels, OptionsMatchingNoLevelFallBackToLevelSix) {
    CHESS_GAME_OPTIONS options;
    options.max_ply = 5;
    options.max_time = 10;
    EXPECT_EQ(NEW_GAME_SKILL_LEVEL::level_for(options), 6);
    // Depth and time of level 1 with quiescence on is level 3, not level 1.
    options = CHESS_GAME_OPTIONS();
    options.qsearch = true;
    EXPECT_EQ(NEW_GAME_SKILL_LEVEL::level_for(options), 3);
    // Level 5's depth and time without quiescence matches nothing.
    options.qsearch = false;
    options.max_ply = 40;
    options.max_time = 4;
    EXPECT_EQ(NEW_GAME_SKILL_LEVEL::level_for(options), 6);
}
