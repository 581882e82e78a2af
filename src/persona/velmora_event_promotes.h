// The character's reaction to a pawn promoted, by her or by the player.
#pragma once

#include "persona/velmora_event_move.h"

class VELMORA_EVENT_PROMOTES : public VELMORA_EVENT_MOVE {
  public:
    explicit VELMORA_EVENT_PROMOTES(bool is_velmora_move) : VELMORA_EVENT_MOVE(is_velmora_move) {}
    int32_t velmora_group_id() const override { return group_velmora_promotes; }
    int32_t player_group_id() const override { return group_player_promotes; }
    int32_t priority() const override { return 10; }
};
