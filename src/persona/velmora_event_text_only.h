// An event the character answers in words only, such as a menu answer (about, help, save): it
// draws a text from its group and no clip. These events are mostly executed at once by the chat
// utilities, outside the persona's queue.
#pragma once

#include "persona/velmora_event.h"

class VELMORA_EVENT_TEXT_ONLY : public VELMORA_EVENT {
  public:
    virtual int32_t group_id() const = 0;
    void execute() override { draw_text(group_id()); }
};
