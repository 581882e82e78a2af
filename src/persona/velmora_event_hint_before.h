// The character's answer to the words said while a hint is being searched.
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_HINT_BEFORE : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_request_hint; }
};
