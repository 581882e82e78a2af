// The character's reaction to the player resigned.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_PLAYER_RESIGNS : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_player_resigns; }
};
