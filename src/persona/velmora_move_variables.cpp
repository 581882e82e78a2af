#include "persona/velmora_move_variables.h"

#include "rules/chess_san.h"

VELMORA_CHAT_VARIABLES VELMORA_MOVE_VARIABLES::of(const CHESS_POSITION& before,
                                                  const CHESS_MOVE& move) {
    const int32_t captured =
        move.type == CHESS_MOVE_CONSTANTS::move_en_passant ? pawn : before.kind_at(move.dst);
    return {{"move", CHESS_SAN::text(before, move)},
            {"piece", kind_name(kind_of(move.piece))},
            {"captured", kind_name(captured)},
            {"square", CHESS_SQUARE_CONSTANTS::square_name(move.dst)}};
}

std::string VELMORA_MOVE_VARIABLES::kind_name(int32_t kind) {
    static const char* const names[] = {"", "pawn", "bishop", "knight", "rook", "queen", "king"};
    return is_valid_kind(kind) ? names[kind] : "";
}
