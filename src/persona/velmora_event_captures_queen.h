// The character's reaction to a queen captured, by her or by the player.
#pragma once

#include "persona/velmora_event_move.h"

class VELMORA_EVENT_CAPTURES_QUEEN : public VELMORA_EVENT_MOVE {
  public:
    explicit VELMORA_EVENT_CAPTURES_QUEEN(bool is_velmora_move)
        : VELMORA_EVENT_MOVE(is_velmora_move) {}
    int32_t velmora_group_id() const override { return group_velmora_captures_queen; }
    int32_t player_group_id() const override { return group_player_captures_queen; }
    int32_t priority() const override { return 20; }
};
