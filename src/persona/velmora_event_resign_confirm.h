// The character's answer to the question whether the player really resigns, offering the resign
// link.
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_RESIGN_CONFIRM : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_resign_confirmation; }
};
