// What the character does when nothing happened: while seated, she shows how she feels about the
// position (the score from her side: 500 and more she is winning, 900 and more clearly; -500 and
// less the player is, -900 and less clearly); when not seated, her empty place is shown.
#pragma once

#include "persona/velmora_event_seated_clip.h"

class VELMORA_EVENT_DEFAULT : public VELMORA_EVENT_SEATED_CLIP {
  public:
    int32_t group_id() const override {
        if (score >= 900) {
            return group_velmora_winning2;
        }
        if (score >= 500) {
            return group_velmora_winning1;
        }
        if (score <= -900) {
            return group_player_winning2;
        }
        if (score <= -500) {
            return group_player_winning1;
        }
        return group_general_behavior;
    }
};
