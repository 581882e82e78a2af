// A path is a short fixed run of squares from one origin together with the rule that turns it
// into moves or into an attack test. Paths are precomputed once, so nothing at play time ever
// tests whether a square is on the board.
//
// Each path class of the rules is a kind tag on one compact record rather than a virtual class:
// the generator and the attack test walk thousands of paths per millisecond, and a switch over
// contiguous records is what keeps that loop tight.
#pragma once

#include "rules/chess_constants.h"

#include <array>
#include <cstdint>

class CHESS_POSITION;
class CHESS_MOVE_QUEUE;

enum class CHESS_PATH_KIND : uint8_t {
    straight,             // rook-like ray
    diagonal,             // bishop-like ray
    knight,               // knight targets
    king,                 // king neighbours
    castle,               // the two castling targets of a king on e1/e8
    pawn,                 // forward steps
    pawn_promote,         // the single step onto the last rank
    pawn_capture,         // forward diagonal targets (reversed in the attack table)
    pawn_ep,              // forward diagonal targets from the en-passant rank
    pawn_capture_promote, // forward diagonal targets onto the last rank
};

class CHESS_PATH : public CHESS_PIECE_CONSTANTS, public CHESS_MOVE_CONSTANTS {
  public:
    static constexpr int max_squares = 8;

    CHESS_PATH_KIND kind = CHESS_PATH_KIND::straight;
    uint8_t move_type = move_normal; // for slides
    uint8_t count = 0;
    std::array<uint8_t, max_squares> squares{};

    void add_square(int32_t s) { squares[count++] = static_cast<uint8_t>(s); }
    bool is_empty() const { return count == 0; }
    bool is_slide() const {
        return kind == CHESS_PATH_KIND::straight || kind == CHESS_PATH_KIND::diagonal;
    }
    // 4 (rook) for straights, 2 (bishop) for diagonals.
    int32_t attacker_kind() const { return kind == CHESS_PATH_KIND::straight ? rook : bishop; }

    // Appends the moves of piece on src along this path; an absent queue gets nothing.
    void generate(const CHESS_POSITION& board, int32_t src, int32_t piece, CHESS_MOVE_QUEUE* moves,
                  CHESS_MOVE_QUEUE* captures) const;
    // True when a piece of side on this path attacks the path's origin.
    bool attacked_by(const CHESS_POSITION& board, int32_t side) const;

  private:
    bool holds_any(const CHESS_POSITION& board, int32_t piece) const;
    void generate_slide(const CHESS_POSITION& board, int32_t src, int32_t piece,
                        CHESS_MOVE_QUEUE* moves, CHESS_MOVE_QUEUE* captures) const;
    void generate_steps(const CHESS_POSITION& board, int32_t src, int32_t piece, int32_t type,
                        CHESS_MOVE_QUEUE* moves, CHESS_MOVE_QUEUE* captures) const;
    void generate_castle(const CHESS_POSITION& board, int32_t src, int32_t piece,
                         CHESS_MOVE_QUEUE& captures) const;
    void generate_pawn_steps(const CHESS_POSITION& board, int32_t src, int32_t piece,
                             CHESS_MOVE_QUEUE& moves) const;
    void generate_pawn_captures(const CHESS_POSITION& board, int32_t src, int32_t piece,
                                bool promote, CHESS_MOVE_QUEUE& captures) const;
    void generate_en_passant(const CHESS_POSITION& board, int32_t src, int32_t piece,
                             CHESS_MOVE_QUEUE& captures) const;
};
