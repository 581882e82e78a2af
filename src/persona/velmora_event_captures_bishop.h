// The character's reaction to a bishop captured, by her or by the player.
#pragma once

#include "persona/velmora_event_move.h"

class VELMORA_EVENT_CAPTURES_BISHOP : public VELMORA_EVENT_MOVE {
  public:
    explicit VELMORA_EVENT_CAPTURES_BISHOP(bool is_velmora_move)
        : VELMORA_EVENT_MOVE(is_velmora_move) {}
    int32_t velmora_group_id() const override { return group_velmora_captures_bishop; }
    int32_t player_group_id() const override { return group_player_captures_bishop; }
    int32_t priority() const override { return 60; }
};
