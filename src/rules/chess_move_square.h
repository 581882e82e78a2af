// What the move table knows of one piece on one square: where it may go, and what standing there
// adds to the board's hash sums and positional scores.
#pragma once

#include "rules/chess_path_list.h"

#include <cstdint>

struct CHESS_MOVE_SQUARE {
    CHESS_PATH_LIST paths;
    int32_t hash_val = 0;
    int32_t hash_lock_val = 0;
    int32_t score = 0;
    int32_t score_endgame = 0;
};
