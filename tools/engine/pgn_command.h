#pragma once

#include "engine/chess_game_options.h"
#include "rules/chess_game.h"

#include <ostream>
#include <string>
#include <vector>

// velmora-engine pgn FILE: exports a saved game as PGN (the Seven Tag Roster, the moves in
// standard algebraic notation, the result), so any chess program can open it. A file that does
// not read prints the reader's failure message as one line (exit 1).
int run_pgn_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The game as PGN. The player is White or Black by the options' colour, the opponent
// "Computer"; a resignation is the player's.
std::string pgn_text(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
                     const std::string& nickname, bool resigned);

// The move in standard algebraic notation, played from the game's current position.
std::string san_text(const CHESS_GAME& game, const CHESS_MOVE& m);
