// The character's reaction to a move the player took back during play.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_UNDO_TAUNT : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_undo_taunt; }
    int32_t priority() const override { return 4; }
    bool always_accepted() const override { return false; }
};
