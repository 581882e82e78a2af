// A game as PGN, the text any chess program opens: the Seven Tag Roster, the moves in standard
// algebraic notation numbered by full move, and the result, with no line longer than 79
// characters. The player is White or Black by the options' colour, the opponent "Computer"; a
// resignation is the player's.
#pragma once

#include "engine/chess_game_options.h"
#include "rules/chess_game.h"

#include <string>

class CHESS_PGN_WRITER {
  public:
    static constexpr size_t line_limit = 79;

    static std::string text(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
                            const std::string& nickname, bool resigned);

  private:
    static std::string result_token(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
                                    bool resigned);
    static std::string tag(const std::string& name, const std::string& value);
    static void append_token(std::string& text, size_t& line_length, const std::string& token);
};
