// The character's reaction to the webcam being switched on or off; only seen while she sits at
// the board.
#pragma once

#include "persona/velmora_event_seated_clip.h"

class VELMORA_EVENT_WEBCAM_CHANGED : public VELMORA_EVENT_SEATED_CLIP {
  public:
    bool is_webcam_on = false;

    explicit VELMORA_EVENT_WEBCAM_CHANGED(bool is_webcam_on) : is_webcam_on(is_webcam_on) {}
    int32_t group_id() const override { return is_webcam_on ? group_webcam_on : group_webcam_off; }
    int32_t priority() const override { return 5; }
    bool always_accepted() const override { return false; }
};
