// The character's reaction to a game ending while the character sits at the board.
#pragma once

#include "persona/velmora_event_clip.h"

class VELMORA_EVENT_GAME_END : public VELMORA_EVENT_CLIP {
  public:
    int32_t group_id() const override { return group_game_end; }
};
