// The character's answer to the greeting and first help shown when the program starts.
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_START : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_start_help; }
};
