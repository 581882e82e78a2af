// The character's reaction to a check, whatever else the move did, by her or by the player.
#pragma once

#include "persona/velmora_event_move.h"

class VELMORA_EVENT_CHECKS : public VELMORA_EVENT_MOVE {
  public:
    explicit VELMORA_EVENT_CHECKS(bool is_velmora_move) : VELMORA_EVENT_MOVE(is_velmora_move) {}
    int32_t velmora_group_id() const override { return group_velmora_checks; }
    int32_t player_group_id() const override { return group_player_checks; }
    int32_t priority() const override { return 95; }
};
