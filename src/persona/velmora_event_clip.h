// An event the character answers with a clip: she plays a clip drawn from the event's group, and
// says the text of the most specific group the clip was drawn through, if that group has any.
#pragma once

#include "persona/velmora_event.h"

class VELMORA_EVENT_CLIP : public VELMORA_EVENT {
  public:
    virtual int32_t group_id() const = 0;
    void execute() override { draw_clip(group_id()); }
};
