// The character's answer to a game that could not be saved; the writer's message is the variable
// "msg".
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_SAVE_ERROR : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_save_error; }
};
