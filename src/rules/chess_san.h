// Standard algebraic notation, the move text every chess program reads: the piece letter with as
// much of the from-square as tells the move apart from another piece of the same kind reaching
// the same square (a pawn: nothing, or its file when it captures), "x" for a capture, the
// to-square, "=" and the letter of a promotion, "O-O" and "O-O-O" for castling, then "+" for
// check or "#" for mate.
#pragma once

#include "rules/chess_move.h"
#include "rules/chess_position.h"

#include <string>

class CHESS_SAN : public CHESS_SQUARE_CONSTANTS,
                  public CHESS_PIECE_CONSTANTS,
                  public CHESS_MOVE_CONSTANTS {
  public:
    // The text of m, a legal move of board's side to move, played from board.
    static std::string text(const CHESS_POSITION& board, const CHESS_MOVE& m);

  private:
    static char piece_letter(int32_t kind);
    static std::string disambiguation(CHESS_POSITION& board, const CHESS_MOVE& m);
    static std::string check_mark(CHESS_POSITION& board, const CHESS_MOVE& m);
};
