// The character's reaction to a game drawn by the fifty-move rule or repetition.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_DRAW : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_draw; }
};
