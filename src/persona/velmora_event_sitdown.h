// The character's reaction to the character sitting down at the board.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_SITDOWN : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_sitdown; }
};
