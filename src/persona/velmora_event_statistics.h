// The character's answer to the search statistics the player asked for, with the numbers in chat
// variables.
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_STATISTICS : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_statistics; }
};
