// The move record: piece, from-square, to-square and move type. Records are reused in place by
// the generators; a move does not remember what it captured, the board's state does.
#pragma once

#include "rules/chess_constants.h"

#include <cstdint>
#include <string>

class CHESS_POSITION;

class CHESS_MOVE : public CHESS_SQUARE_CONSTANTS,
                   public CHESS_PIECE_CONSTANTS,
                   public CHESS_MOVE_CONSTANTS,
                   public CHESS_GENERAL_CONSTANTS {
  public:
    int32_t piece = 0;
    int32_t src = 0;
    int32_t dst = 0;
    int32_t type = 0;

    CHESS_MOVE() = default;
    CHESS_MOVE(int32_t type, int32_t piece, int32_t src, int32_t dst)
        : piece(piece), src(src), dst(dst), type(type) {}

    // Moves are equal when all four fields are.
    bool operator==(const CHESS_MOVE& other) const {
        return piece == other.piece && src == other.src && dst == other.dst && type == other.type;
    }
    bool is_void() const { return type == move_none; }

    int32_t side() const { return side_of(piece); }
    int32_t opponent_side() const { return opponent(side()); }
    bool is_promotion() const { return is_promotion_type(type); }
    bool is_capture(const CHESS_POSITION& board) const;
    bool takes_king(const CHESS_POSITION& board) const;
    bool fits(const CHESS_POSITION& board) const;
    int32_t order_key(const CHESS_POSITION& board) const;
    // The piece code a promotion turns the pawn into; 0 for other moves.
    int32_t promoted_piece() const;

    void execute(CHESS_POSITION& board) const;
    void unmake(CHESS_POSITION& board) const;
    // The move's text as played from board, which is left as it was.
    std::string out(CHESS_POSITION& board) const;
    // The long algebraic form other chess programs speak: e2e4, e7e8q, e1g1.
    std::string uci_text() const;
};
