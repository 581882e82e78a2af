// A clip event that only makes sense while the character sits at the board. When she is not
// seated, her empty place is shown (a "nogame" clip) and nothing is said.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_SEATED_CLIP : public VELMORA_EVENT_CLIP {
  public:
    void execute() override {
        if (velmora_showing) {
            draw_clip(group_id());
        } else {
            draw_nogame();
        }
    }
};
