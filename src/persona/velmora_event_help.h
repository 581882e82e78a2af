// The character's help text for a topic: topics 1 to 25 have groups of their own ("help1" to
// "help25"), any other topic number gets the general help.
#pragma once

#include "persona/velmora_event_text_only.h"

class VELMORA_EVENT_HELP : public VELMORA_EVENT_TEXT_ONLY {
  public:
    int32_t help_group_id = group_help;

    explicit VELMORA_EVENT_HELP(int32_t topic) : help_group_id(group_help_topic(topic)) {}
    int32_t group_id() const override { return help_group_id; }
};
