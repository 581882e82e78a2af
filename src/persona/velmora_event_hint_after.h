// The character's answer to the hint itself; its move text is the variable "hint".
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_HINT_AFTER : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t group_id() const override { return group_issue_hint; }
};
