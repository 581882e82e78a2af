// The character's reaction to the character mated the player.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_VELMORA_WINS : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_velmora_wins; }
};
