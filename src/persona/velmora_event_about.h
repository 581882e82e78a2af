// The character's answer to the words about the program.
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_ABOUT : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_about; }
};
