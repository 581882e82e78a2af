// A move on the board, by the character or by the player, answered with a clip from the group of
// whoever moved. Move events are refused while an event of the same class is current, so a run
// of captures does not queue the same reaction twice. make_for_move picks the class for a move
// from plain values, as the application sees them after the move was played.
#pragma once

#include "persona/velmora_event_clip.h"

#include <memory>

class VELMORA_EVENT_MOVE : public VELMORA_EVENT_CLIP {
  public:
    bool is_velmora_move = false;

    virtual int32_t velmora_group_id() const = 0;
    virtual int32_t player_group_id() const = 0;
    int32_t group_id() const override {
        return is_velmora_move ? velmora_group_id() : player_group_id();
    }
    bool always_accepted() const override { return false; }

    // The event for a move: a check outranks everything; then en passant, promotion and
    // castling by move type (the rules' move type numbers); then the captured kind (1 pawn to
    // 5 queen, a piece code is reduced to its kind; 0 for none) or a plain move.
    static std::unique_ptr<VELMORA_EVENT_MOVE>
    make_for_move(bool is_velmora_move, bool gives_check, int32_t move_type, int32_t captured_kind);

  protected:
    explicit VELMORA_EVENT_MOVE(bool is_velmora_move) : is_velmora_move(is_velmora_move) {}
};
