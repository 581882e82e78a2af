#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength.h"

#include <gtest/gtest.h>

// The file's rows as they read, lines that do not read left out: a level outside 1..20, going
// easy above level 4, a missing field or a number with trailing text.
TEST(Strength, TableFileReadsRowByRow) {
    const std::string text = "level\trating\tmargin95\tgames\tmethod\n"
                             "1\t650\t120\t40\tchained via level 3\r\n"
                             "2 easy\t300\t200\t40\tchained via level 1\n"
                             "5\t1900\t90\t30\tfitted\n"
                             "21\t3000\t10\t10\tmeasured\n"
                             "5 easy\t800\t10\t10\tmeasured\n"
                             "6\t2000\t80\n"
                             "7\t2000x\t80\t10\tfitted\n";
    const std::vector<NEW_GAME_STRENGTH> rows = NEW_GAME_STRENGTH::parse(text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].level, 1);
    EXPECT_FALSE(rows[0].go_easy);
    EXPECT_EQ(rows[0].rating, 650);
    EXPECT_EQ(rows[0].margin, 120);
    EXPECT_EQ(rows[0].games, 40);
    EXPECT_EQ(rows[0].method, "chained via level 3");
    EXPECT_EQ(rows[1].level, 2);
    EXPECT_TRUE(rows[1].go_easy);
    EXPECT_EQ(rows[2].method, "fitted");
}

// The calibration's table is built in: every level and every level that can go easy has an
// estimate, going easy is weaker than the level itself, and the nearest row to a level's own
// estimate is that row.
TEST(Strength, BuiltInTableCoversEveryLevel) {
    for (int32_t n = 1; n <= NEW_GAME_SKILL_LEVEL::level_count; ++n) {
        const std::optional<NEW_GAME_STRENGTH> row = NEW_GAME_STRENGTH::estimate(n, false);
        ASSERT_TRUE(row.has_value()) << "level " << n;
        EXPECT_GT(row->games, 0);
        EXPECT_EQ(NEW_GAME_STRENGTH::nearest(row->rating)->rating, row->rating);
        if (n <= NEW_GAME_SKILL_LEVEL::easy_levels) {
            const std::optional<NEW_GAME_STRENGTH> easy = NEW_GAME_STRENGTH::estimate(n, true);
            ASSERT_TRUE(easy.has_value()) << "level " << n << " going easy";
            EXPECT_LT(easy->rating, row->rating) << "level " << n;
        } else {
            EXPECT_FALSE(NEW_GAME_STRENGTH::estimate(n, true).has_value());
        }
    }
}
