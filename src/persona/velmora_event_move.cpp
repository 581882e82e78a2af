#include "persona/velmora_event_move.h"

#include "persona/velmora_event_captures_bishop.h"
#include "persona/velmora_event_captures_knight.h"
#include "persona/velmora_event_captures_pawn.h"
#include "persona/velmora_event_captures_queen.h"
#include "persona/velmora_event_captures_rook.h"
#include "persona/velmora_event_castles.h"
#include "persona/velmora_event_checks.h"
#include "persona/velmora_event_ep_captures.h"
#include "persona/velmora_event_normal.h"
#include "persona/velmora_event_promotes.h"
#include "rules/chess_constants.h"

std::unique_ptr<VELMORA_EVENT_MOVE> VELMORA_EVENT_MOVE::make_for_move(bool is_velmora_move,
                                                                      bool gives_check,
                                                                      int32_t move_type,
                                                                      int32_t captured_kind) {
    using M = CHESS_MOVE_CONSTANTS;
    using P = CHESS_PIECE_CONSTANTS;
    const bool v = is_velmora_move;
    if (gives_check) {
        return std::make_unique<VELMORA_EVENT_CHECKS>(v);
    }
    if (move_type == M::move_en_passant) {
        return std::make_unique<VELMORA_EVENT_EP_CAPTURES>(v);
    }
    if (M::is_promotion_type(move_type)) {
        return std::make_unique<VELMORA_EVENT_PROMOTES>(v);
    }
    if (move_type == M::move_castle_kingside || move_type == M::move_castle_queenside) {
        return std::make_unique<VELMORA_EVENT_CASTLES>(v);
    }
    switch (P::is_valid_piece(captured_kind) ? P::kind_of(captured_kind) : P::empty) {
    case P::pawn:
        return std::make_unique<VELMORA_EVENT_CAPTURES_PAWN>(v);
    case P::bishop:
        return std::make_unique<VELMORA_EVENT_CAPTURES_BISHOP>(v);
    case P::knight:
        return std::make_unique<VELMORA_EVENT_CAPTURES_KNIGHT>(v);
    case P::rook:
        return std::make_unique<VELMORA_EVENT_CAPTURES_ROOK>(v);
    case P::queen:
        return std::make_unique<VELMORA_EVENT_CAPTURES_QUEEN>(v);
    default:
        return std::make_unique<VELMORA_EVENT_NORMAL>(v);
    }
}
