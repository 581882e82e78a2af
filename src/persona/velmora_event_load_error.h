// The character's answer to a game that could not be loaded; the reader's message is the variable
// "msg".
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_LOAD_ERROR : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_load_error; }
};
