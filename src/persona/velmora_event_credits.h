// The character's reaction to the credits shown after the about text.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_CREDITS : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_credits; }
    bool always_accepted() const override { return false; }
};
