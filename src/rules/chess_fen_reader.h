// Reads a position from Forsyth-Edwards Notation. The en-passant target is turned into the
// square of the pawn that just made its double step (target e3 means a white pawn on e4), which
// is how the board remembers it; castling rights need the king and rook on their home squares,
// since the board takes a right as proof that the rook is there.
#pragma once

#include "rules/chess_position.h"

#include <string>

class CHESS_FEN_READER : public CHESS_GENERAL_CONSTANTS,
                         public CHESS_SQUARE_CONSTANTS,
                         public CHESS_PIECE_CONSTANTS {
  public:
    static constexpr const char* start_position =
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

    void read(const std::string& fen);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }
    const CHESS_POSITION& position() const { return position_; }

  private:
    bool read_placement(const std::string& field);
    bool read_side(const std::string& field);
    bool read_castling(const std::string& field);
    bool read_en_passant(const std::string& field);
    bool read_counters(const std::string& halfmove, const std::string& fullmove);
    bool check_position();
    bool fail(const std::string& message);

    CHESS_POSITION position_;
    bool failed_ = false;
    std::string error_message_;
};
