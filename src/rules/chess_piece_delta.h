// What putting one piece on one square adds to each of the board's sums, with the colour's sign
// already applied: the board updates its sums with plain additions and no test of the colour.
#pragma once

#include <cstdint>

struct CHESS_PIECE_DELTA {
    int32_t hash = 0;
    int32_t lock = 0;
    int32_t material_white = 0;
    int32_t material_black = 0;
    int32_t score = 0;
    int32_t score_endgame = 0;
};
