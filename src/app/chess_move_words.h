// A move said in words, for people who follow the game by ear: "knight f6", "pawn takes d5",
// "castles kingside", "pawn e8 promotes to queen", built from the move's standard notation.
// Check and mate are said apart ("check", "checkmate"), as their own announcement after the move.
#pragma once

#include <string>

class CHESS_MOVE_WORDS {
  public:
    // The move of san without its check or mate mark.
    static std::string move(const std::string& san);
    // "check", "checkmate", or empty when the move gives neither.
    static std::string check(const std::string& san);

  private:
    static std::string piece_name(char letter);
};
