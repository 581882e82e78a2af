// The chat variables of a move reaction, so that she can speak of the move she reacts to: "move"
// in standard notation ("Nxe5"), "piece" the kind that moved ("knight"; "king" for castling),
// "captured" the kind taken ("pawn" for en passant, empty when nothing was), "square" the
// square it went to ("e5"; the king's for castling).
#pragma once

#include "persona/velmora_chat_variables.h"
#include "rules/chess_move.h"
#include "rules/chess_position.h"

#include <cstdint>
#include <string>

class VELMORA_MOVE_VARIABLES : public CHESS_PIECE_CONSTANTS {
  public:
    // The variables of move, a legal move played from before (the board as it stood then).
    static VELMORA_CHAT_VARIABLES of(const CHESS_POSITION& before, const CHESS_MOVE& move);

    // "pawn" ... "king" for a kind 1 to 6, empty otherwise.
    static std::string kind_name(int32_t kind);
};
