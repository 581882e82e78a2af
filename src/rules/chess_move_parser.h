// Reads a move the player typed, against the legal moves of a position. It takes standard
// notation (e4, Nf3, exd5, Nbd7, R1e2, O-O, e8=Q, with or without "+", "#", "!" or "?"), the same
// leniently (0-0, e8Q, a capture without its "x", a piece letter with more of its square than
// needed) and coordinates (e2e4, e7e8q, and the program's own e2-e4, e4xd5). A pawn move without a
// file letter stays on its file, as in standard notation. A text that names no legal move, or more
// than one, fails with a short reason the player can act on.
#pragma once

#include "rules/chess_move.h"
#include "rules/chess_position.h"

#include <string>
#include <vector>

class CHESS_MOVE_PARSER : public CHESS_SQUARE_CONSTANTS,
                          public CHESS_PIECE_CONSTANTS,
                          public CHESS_MOVE_CONSTANTS {
  public:
    // Finds the move text names among the legal moves of board's side to move.
    void parse(const CHESS_POSITION& board, const std::string& text);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }
    const CHESS_MOVE& move() const { return move_; }

    // Standard notation of every legal move of board's side to move, in generator order.
    static std::vector<std::string> move_texts(const CHESS_POSITION& board);

    // A file letter a-h and a rank digit 1-8, as squares are written in move texts.
    static bool is_file_letter(char c) { return c >= 'a' && c <= 'h'; }
    static bool is_rank_digit(char c) { return c >= '1' && c <= '8'; }

  private:
    // What a typed text asks for; 0 where it leaves a part open.
    struct REQUEST {
        int32_t kind = 0;
        int32_t from_file = 0;
        int32_t from_rank = 0;
        int32_t to = 0;
        int32_t promotion_kind = 0;
        int32_t castle_type = 0;
    };

    static std::string without_annotations(const std::string& text);
    static bool read_castling(const std::string& text, REQUEST& request);
    static bool read_coordinates(const std::string& text, REQUEST& request);
    static bool read_standard(const std::string& text, REQUEST& request);
    static int32_t kind_of_letter(char letter);
    static bool fits(const CHESS_MOVE& m, const REQUEST& request);
    void fail(const std::string& message);

    bool failed_ = false;
    std::string error_message_;
    CHESS_MOVE move_;
};
