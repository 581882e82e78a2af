// The character's reaction to the player mated the character.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_PLAYER_WINS : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_player_wins; }
};
