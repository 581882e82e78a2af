// The character's reaction to a plain move: no check, capture, castling, promotion or en
// passant. The least important move reaction (the player's slightly more than her own), and
// always accepted, so every quiet move may get its remark.
#pragma once

#include "persona/velmora_event_move.h"

class VELMORA_EVENT_NORMAL : public VELMORA_EVENT_MOVE {
  public:
    explicit VELMORA_EVENT_NORMAL(bool is_velmora_move)
        : VELMORA_EVENT_MOVE(is_velmora_move), priority_(is_velmora_move ? 100 : 99) {}
    int32_t velmora_group_id() const override { return group_velmora_moves; }
    int32_t player_group_id() const override { return group_player_moves; }
    int32_t priority() const override { return priority_; }
    bool always_accepted() const override { return true; }

  private:
    int32_t priority_;
};
