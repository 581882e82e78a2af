// The character's reaction to the hidden easter egg link.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_EASTER_EGG : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_ee; }
    bool always_accepted() const override { return false; }
};
