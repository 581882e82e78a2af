// The character's reaction to the character thinking about a hint; the least important reaction.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_THINKING : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_velmora_thinking; }
    int32_t priority() const override { return 101; }
};
