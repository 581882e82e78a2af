// One mark the board draws over its squares. Square kinds mark `square` alone; the two arrow
// kinds run from `square` to `target`. The board derives the last move, the check and the pick-up
// marks itself; callers (the game review) add their own through CHESS_GUI_BOARD::set_marks.
#pragma once

#include <cstdint>

struct CHESS_GUI_BOARD_MARK {
    enum KIND : int32_t {
        legal_destination = 1, // where the piece picked up may go
        last_move,             // the two squares of the move that led to the position
        check,                 // the king of the side to move in check
        selected,              // the piece picked up by a click or a key
        played_move,           // arrow: the move played (review)
        better_move,           // arrow: the move the engine prefers (review)
    };

    int32_t kind = legal_destination;
    int32_t square = 0;
    int32_t target = 0; // arrows only

    bool is_arrow() const { return kind == played_move || kind == better_move; }
    bool operator==(const CHESS_GUI_BOARD_MARK&) const = default;
};
