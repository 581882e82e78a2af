// The character's answer to a loaded game; its file name is the variable "filename".
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_LOAD : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_load_game; }
};
