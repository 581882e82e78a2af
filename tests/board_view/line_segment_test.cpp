// The line an animated piece follows.
#include "board_view/chess_gui_line_segment.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int32_t, int32_t>> walk(CHESS_GUI_LINE_SEGMENT line) {
    std::vector<std::pair<int32_t, int32_t>> points;
    while (!line.is_past_end()) {
        points.emplace_back(line.x, line.y);
        line.advance();
    }
    return points;
}

TEST(LineSegment, StepsAlongTheLongerAxis) {
    // e2 to e4 with white below: straight up, no slope at all.
    const auto up = walk(CHESS_GUI_LINE_SEGMENT(197, 287, 197, 197, 5));
    ASSERT_EQ(up.size(), 19u);
    EXPECT_EQ(up.front(), std::make_pair(197, 287));
    EXPECT_EQ(up.back(), std::make_pair(197, 197));
    for (const auto& point : up) {
        EXPECT_EQ(point.first, 197);
    }
    // g1 to f3: y leads; x follows the line, halves rounded away from zero.
    const auto knight = walk(CHESS_GUI_LINE_SEGMENT(287, 332, 242, 242, 5));
    ASSERT_EQ(knight.size(), 19u);
    EXPECT_EQ(knight[1], std::make_pair(285, 327)); // 284.5 rounds up
    EXPECT_EQ(knight.back(), std::make_pair(242, 242));
    // a1 to h1: x leads to the right; the last step can fall short of the end.
    const auto across = walk(CHESS_GUI_LINE_SEGMENT(17, 332, 334, 332, 5));
    EXPECT_EQ(across.back(), std::make_pair(332, 332));
    // A line leaning left: x steps down, y follows.
    const auto leftwards = walk(CHESS_GUI_LINE_SEGMENT(100, 100, 0, 50, 5));
    ASSERT_EQ(leftwards.size(), 21u);
    EXPECT_EQ(leftwards[1], std::make_pair(95, 98)); // 97.5 rounds up
    EXPECT_EQ(leftwards.back(), std::make_pair(0, 50));
}

} // namespace
