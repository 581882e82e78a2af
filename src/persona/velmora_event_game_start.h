// The character's reaction to a new game beginning.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_GAME_START : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_game_start; }
};
