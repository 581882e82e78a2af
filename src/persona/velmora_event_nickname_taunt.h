// The character's reaction to the player changing nickname; only seen while she sits at the board.
#pragma once

#include "persona/velmora_event_seated_clip.h"

class VELMORA_EVENT_NICKNAME_TAUNT : public VELMORA_EVENT_SEATED_CLIP {
  public:
    int32_t group_id() const override { return group_nickname_taunt; }
    int32_t priority() const override { return 4; }
    bool always_accepted() const override { return false; }
};
