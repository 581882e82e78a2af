// The options a game is played with: the search depth and time limits, whether quiescence search
// runs at the leaves, and the colour the human plays. The defaults are those of skill level 1.
// Options travel with the game: the search engine is reset with them, saved games carry them,
// and the application shows them in their text form.
#pragma once

#include <cstdint>
#include <string>

class CHESS_GAME_OPTIONS {
  public:
    bool qsearch = false;     // quiescence search at the leaves
    int32_t max_ply = 2;      // maximum iteration depth
    int32_t max_time = 60;    // time limit in seconds
    int32_t player_color = 1; // the human's colour: 1 white, 2 black

    bool operator==(const CHESS_GAME_OPTIONS& other) const = default;

    // "ply=2, time=60, qsearch=False, player=White" for the defaults.
    std::string out() const;
};
