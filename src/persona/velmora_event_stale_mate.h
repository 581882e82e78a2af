// The character's reaction to a game ended in stalemate.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_STALE_MATE : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_stalemate; }
};
