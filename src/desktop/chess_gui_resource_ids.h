// The resource numbers of the program's pictures, named by what they show. Each picture is
// compiled in as ":/<number>.png" (resources/velmora_chess.qrc); the skill levels' pictures are
// numbered in the level table.
#pragma once

#include <array>
#include <cstdint>

struct CHESS_GUI_RESOURCE_IDS {
    static constexpr int32_t icon = 124;
    static constexpr int32_t board_white_bottom = 128;
    static constexpr int32_t board_black_bottom = 129;
    static constexpr int32_t light_square = 134;
    static constexpr int32_t dark_square = 135;
    static constexpr int32_t frame = 139;
    static constexpr int32_t capture_strip = 141;
    static constexpr int32_t video_background = 185;
    static constexpr int32_t webcam_on = 187;
    static constexpr int32_t webcam_off = 188;
    static constexpr int32_t rotate_on = 190;
    static constexpr int32_t rotate_off = 191;
    static constexpr int32_t arrow_on = 192;
    static constexpr int32_t arrow_off = 193;
    static constexpr int32_t menu_icon = 203;

    // By piece code (1..6 white pawn, bishop, knight, rook, queen, king; 7..12 black); 0 unused.
    static constexpr std::array<int32_t, 13> piece = {0,   152, 148, 151, 155, 156, 159,
                                                      153, 109, 150, 154, 157, 158};
    // The small pictures of captured pieces, same index.
    static constexpr std::array<int32_t, 13> captured_piece = {0,   161, 163, 162, 164, 165, 166,
                                                               167, 169, 168, 170, 171, 172};
};
