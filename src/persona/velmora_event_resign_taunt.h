// The character's reaction to the player thinking about resigning.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_RESIGN_TAUNT : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_resign_taunt; }
    int32_t priority() const override { return 4; }
    bool always_accepted() const override { return false; }
};
