// Board geometry with the game's pictures (board 384 x 384, frame 12, pieces 35, small pieces 19,
// strip 45 x 384).
#include "board_model/chess_gui_transform.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

CHESS_GUI_TRANSFORM transform_at(int32_t x, int32_t y, int32_t bottom) {
    CHESS_GUI_TRANSFORM tf;
    tf.set_bounds(x, y, x + tf.control_width() - 1, y + tf.control_height() - 1);
    tf.side_facing_bottom = bottom;
    return tf;
}

struct SQUARE_CASE {
    int32_t bottom;
    int32_t square;
    int32_t piece_x;
    int32_t piece_y;
};

TEST(Transform, SquaresInBothOrientations) {
    const std::vector<SQUARE_CASE> cases{
        {1, 1, 17, 332},                    // a1 bottom left with white below
        {1, 64, 332, 17},                   // h8 top right
        {1, 29, 197, 197}, {2, 1, 332, 17}, // a1 top right with black below
        {2, 64, 17, 332},  {2, 8, 17, 17},  // h1 top left
    };
    for (const SQUARE_CASE& c : cases) {
        CHESS_GUI_TRANSFORM tf = transform_at(0, 0, c.bottom);
        tf.compute_square(c.square);
        EXPECT_EQ(std::make_pair(tf.piece_x, tf.piece_y), std::make_pair(c.piece_x, c.piece_y))
            << "square " << c.square << ", bottom " << c.bottom;
        EXPECT_EQ(tf.width, 45);
        EXPECT_EQ(tf.x, c.piece_x - 5);
    }
    CHESS_GUI_TRANSFORM tf = transform_at(14, 6, 1);
    tf.compute_square_absolute(1);
    EXPECT_EQ(std::make_pair(tf.piece_x, tf.piece_y), std::make_pair(31, 338));
}

TEST(Transform, PointsToSquaresInParentCoordinates) {
    CHESS_GUI_TRANSFORM tf = transform_at(14, 6, 1);
    // Control point (20, 330) is a1's square.
    EXPECT_EQ(tf.compute_square_at(14 + 20, 6 + 330), 1);
    EXPECT_EQ(tf.square, 1);
    EXPECT_EQ(tf.compute_square_at(14 + 12 + 44, 6 + 12), 57); // a8's last column
    EXPECT_EQ(tf.compute_square_at(14 + 12 + 45, 6 + 12), 58); // b8
    tf.side_facing_bottom = 2;
    EXPECT_EQ(tf.compute_square_at(14 + 20, 6 + 330), 64);
    EXPECT_EQ(tf.compute_square_at(14 + 20, 6 + 20), 8);
    // A point beyond the area counts as its nearest square: top right is a1 with black below.
    EXPECT_EQ(tf.compute_square_at(1000, -50), 1);
}

TEST(Transform, FrameIsInsideTheControlButNotThePlayingArea) {
    CHESS_GUI_TRANSFORM tf = transform_at(14, 6, 1);
    const std::vector<std::pair<int32_t, int32_t>> frame{{14 + 5, 6 + 100},
                                                         {14 + 11, 6 + 12},
                                                         {14 + 100, 6 + 11},
                                                         {14 + 372, 6 + 100},
                                                         {14 + 100, 6 + 372}};
    for (const auto& [px, py] : frame) {
        EXPECT_TRUE(tf.is_inside_control(px, py)) << px << "," << py;
        EXPECT_FALSE(tf.is_inside_playing_area(px, py)) << px << "," << py;
    }
    EXPECT_TRUE(tf.is_inside_playing_area(14 + 12, 6 + 12));
    EXPECT_TRUE(tf.is_inside_playing_area(14 + 371, 6 + 371));
    EXPECT_TRUE(tf.is_inside_control(14 + 428, 6 + 383));
    EXPECT_FALSE(tf.is_inside_control(14 + 429, 6 + 100));
    EXPECT_FALSE(tf.is_inside_control(13, 6 + 100));

    int32_t px = -5;
    int32_t py = 500;
    tf.clamp_to_playing_area(px, py);
    EXPECT_EQ(std::make_pair(px, py), std::make_pair(14 + 12, 6 + 371));
    tf.to_relative(px, py);
    EXPECT_EQ(std::make_pair(px, py), std::make_pair(12, 371));
    tf.to_absolute(px, py);
    EXPECT_EQ(std::make_pair(px, py), std::make_pair(26, 377));
}

struct SLOT_CASE {
    int32_t bottom;
    int32_t colour;
    int32_t slot;
    int32_t x;
    int32_t y;
};

TEST(Transform, CaptureSlots) {
    const std::vector<SLOT_CASE> cases{
        {1, 1, 1, 387, 360}, {1, 1, 8, 387, 192}, {1, 1, 9, 406, 360}, {1, 1, 16, 406, 192},
        {1, 2, 1, 387, 0},   {1, 2, 8, 387, 168}, {1, 2, 9, 406, 0},   {2, 2, 1, 387, 360},
        {2, 1, 1, 387, 0},   {2, 1, 9, 406, 0},
    };
    for (const SLOT_CASE& c : cases) {
        CHESS_GUI_TRANSFORM tf = transform_at(14, 6, c.bottom);
        tf.compute_capture_slot(c.slot, c.colour);
        EXPECT_EQ(std::make_pair(tf.x, tf.y), std::make_pair(c.x, c.y))
            << "slot " << c.slot << " of colour " << c.colour << ", bottom " << c.bottom;
        EXPECT_EQ(tf.side, c.colour);
        EXPECT_EQ(std::make_pair(tf.width, tf.height), std::make_pair(19, 19));
    }
}

TEST(Transform, PromptGeometryInBothOrientations) {
    for (int32_t bottom : {1, 2}) {
        CHESS_GUI_TRANSFORM tf = transform_at(14, 6, bottom);
        tf.compute_prompt_box();
        EXPECT_EQ(std::make_pair(tf.x, tf.y), std::make_pair(124, 162));
        EXPECT_EQ(std::make_pair(tf.width, tf.height), std::make_pair(181, 64));
        for (int32_t i = 1; i <= 4; ++i) {
            tf.compute_prompt_slot(i);
            EXPECT_EQ(std::make_pair(tf.x, tf.y), std::make_pair(134 + (i - 1) * 40, 185));
            EXPECT_EQ(tf.width, 35);
        }
        // Hit tests in the parent: edges count, the gaps between choices do not.
        const std::vector<std::pair<std::pair<int32_t, int32_t>, int32_t>> hits{
            {{134, 185}, 1}, {{168, 219}, 1}, {{169, 200}, 0}, {{174, 200}, 2}, {{230, 200}, 3},
            {{288, 219}, 4}, {{133, 200}, 0}, {{150, 184}, 0}, {{150, 220}, 0}, {{300, 170}, 0},
        };
        for (const auto& [point, slot] : hits) {
            EXPECT_EQ(tf.compute_slot_at(14 + point.first, 6 + point.second), slot)
                << point.first << "," << point.second;
            EXPECT_EQ(tf.slot, slot);
        }
    }
}

} // namespace
