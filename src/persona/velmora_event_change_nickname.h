// The character's answer to the player's new nickname; the variables "old" and "new" hold both.
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_CHANGE_NICKNAME : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_change_nickname; }
};
