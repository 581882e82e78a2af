#include "persona/velmora_event.h"

#include "persona/velmora_group_list.h"
#include "rules/chess_constants.h"

#include <cassert>

namespace {

VELMORA_ON_MOVE what_the_move_did(bool gives_check, int32_t move_type, int32_t captured_kind) {
    using M = CHESS_MOVE_CONSTANTS;
    using P = CHESS_PIECE_CONSTANTS;
    using enum VELMORA_ON_MOVE;
    if (gives_check) {
        return check;
    }
    if (move_type == M::move_en_passant) {
        return en_passant;
    }
    if (M::is_promotion_type(move_type)) {
        return promotion;
    }
    if (move_type == M::move_castle_kingside || move_type == M::move_castle_queenside) {
        return castling;
    }
    switch (P::is_valid_piece(captured_kind) ? P::kind_of(captured_kind) : P::empty) {
    case P::pawn:
        return captures_pawn;
    case P::bishop:
        return captures_bishop;
    case P::knight:
        return captures_knight;
    case P::rook:
        return captures_rook;
    case P::queen:
        return captures_queen;
    default:
        return quiet;
    }
}

const std::string& group_name(int32_t group_id) {
    return VELMORA_GROUP_LIST::instance().group_name(group_id);
}

} // namespace

VELMORA_EVENT::VELMORA_EVENT(int32_t group_id) : group_id_(group_id) {
    assert(VELMORA_EVENT_TABLE::is_id(group_id) && VELMORA_EVENT_TABLE::raises_event(group_id));
}

VELMORA_EVENT VELMORA_EVENT::for_move(bool is_velmora_move, bool gives_check, int32_t move_type,
                                      int32_t captured_kind) {
    const VELMORA_MOVER mover = is_velmora_move ? VELMORA_MOVER::velmora : VELMORA_MOVER::player;
    const VELMORA_ON_MOVE on = what_the_move_did(gives_check, move_type, captured_kind);
    int32_t id = VELMORA_EVENT_TABLE::first_id;
    while (VELMORA_EVENT_TABLE::row(id).by != mover || VELMORA_EVENT_TABLE::row(id).on != on) {
        ++id;
    }
    return VELMORA_EVENT(id);
}

void VELMORA_EVENT::execute() {
    video_clip.reset();
    text_message.reset();
    if (db == nullptr) {
        return;
    }
    switch (row().plays) {
    case VELMORA_PLAY::text_only:
    case VELMORA_PLAY::optional_text:
        draw_text(group_id_);
        break;
    case VELMORA_PLAY::clip:
        draw_clip(group_id_);
        break;
    case VELMORA_PLAY::seated_clip:
        velmora_showing ? draw_clip(group_id_) : draw_nogame();
        break;
    case VELMORA_PLAY::by_score:
        velmora_showing ? draw_clip(score_group()) : draw_nogame();
        break;
    case VELMORA_PLAY::drawn_only:
        assert(false && "a group without an event of its own was raised");
        break;
    }
}

void VELMORA_EVENT::draw_text(int32_t group_id) {
    text_message = db->random_text(group_name(group_id));
}

void VELMORA_EVENT::draw_clip(int32_t group_id) {
    video_clip = db->random_clip(group_name(group_id));
    text_message = db->text_along_last_path();
    if (text_message && text_message->is_blank()) {
        text_message.reset();
    }
}

void VELMORA_EVENT::draw_nogame() {
    video_clip = db->random_clip(group_name(group_nogame));
}

int32_t VELMORA_EVENT::score_group() const {
    if (score >= 900) {
        return group_velmora_winning2;
    }
    if (score >= 500) {
        return group_velmora_winning1;
    }
    if (score <= -900) {
        return group_player_winning2;
    }
    if (score <= -500) {
        return group_player_winning1;
    }
    return group_general_behavior;
}
