// The character's reaction to the board turned around; only seen while she sits at the board.
#pragma once

#include "persona/velmora_event_seated_clip.h"

class VELMORA_EVENT_FLIP_BOARD : public VELMORA_EVENT_SEATED_CLIP {
  public:
    int32_t group_id() const override { return group_flip_board; }
    int32_t priority() const override { return 5; }
    bool always_accepted() const override { return false; }
};
