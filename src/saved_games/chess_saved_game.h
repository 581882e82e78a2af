// Everything a saved game file holds: the game replayed from the initial position, the options
// it is played with, the player's nickname and whether the player resigned. A file that reads
// without failure always yields all four.
#pragma once

#include "engine/chess_game_options.h"
#include "rules/chess_game.h"

#include <string>

struct CHESS_SAVED_GAME {
    CHESS_GAME game;
    CHESS_GAME_OPTIONS options;
    std::string nickname;
    bool resigned = false;
};
