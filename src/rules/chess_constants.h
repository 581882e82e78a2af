// The numeric vocabulary shared by every chess class: squares, sides, pieces and move types are
// plain integers, never objects. The classes below carry no state; other classes inherit them to
// use the names unqualified.
#pragma once

#include <cassert>
#include <cstdint>
#include <string>

struct CHESS_GENERAL_CONSTANTS {
    static constexpr int32_t white = 1;
    static constexpr int32_t black = 2;

    static constexpr bool is_valid_side(int32_t side) { return side == white || side == black; }
    static constexpr int32_t opponent(int32_t side) { return side == white ? black : white; }
    static std::string side_name(int32_t side) { return side == white ? "White" : "Black"; }
};

// Square 1 is a1, 8 is h1, 57 is a8, 64 is h8; 0 stands for no square.
struct CHESS_SQUARE_CONSTANTS {
    static constexpr int32_t no_square = 0;
    static constexpr int32_t a1 = 1;
    static constexpr int32_t c1 = 3;
    static constexpr int32_t d1 = 4;
    static constexpr int32_t e1 = 5;
    static constexpr int32_t f1 = 6;
    static constexpr int32_t g1 = 7;
    static constexpr int32_t h1 = 8;
    static constexpr int32_t a8 = 57;
    static constexpr int32_t c8 = 59;
    static constexpr int32_t d8 = 60;
    static constexpr int32_t e8 = 61;
    static constexpr int32_t f8 = 62;
    static constexpr int32_t g8 = 63;
    static constexpr int32_t h8 = 64;

    static constexpr int32_t file(int32_t s) { return (s - 1) % 8 + 1; }
    static constexpr int32_t rank(int32_t s) { return (s - 1) / 8 + 1; }
    static constexpr int32_t square(int32_t file, int32_t rank) { return file + 8 * rank - 8; }
    static constexpr bool is_valid_file(int32_t f) { return f >= 1 && f <= 8; }
    static constexpr bool is_valid_rank(int32_t r) { return r >= 1 && r <= 8; }
    static constexpr bool is_valid_square(int32_t s) { return s >= 1 && s <= 64; }
    static std::string square_name(int32_t s) {
        return {static_cast<char>('a' + file(s) - 1), static_cast<char>('0' + rank(s))};
    }
};

// Kinds: 1 pawn, 2 bishop, 3 knight, 4 rook, 5 queen, 6 king. White pieces are the kinds
// themselves, black pieces are kind + 6.
struct CHESS_PIECE_CONSTANTS {
    static constexpr int32_t empty = 0;
    static constexpr int32_t pawn = 1;
    static constexpr int32_t bishop = 2;
    static constexpr int32_t knight = 3;
    static constexpr int32_t rook = 4;
    static constexpr int32_t queen = 5;
    static constexpr int32_t king = 6;

    static constexpr int32_t white_pawn = 1;
    static constexpr int32_t white_bishop = 2;
    static constexpr int32_t white_knight = 3;
    static constexpr int32_t white_rook = 4;
    static constexpr int32_t white_queen = 5;
    static constexpr int32_t white_king = 6;
    static constexpr int32_t black_pawn = 7;
    static constexpr int32_t black_bishop = 8;
    static constexpr int32_t black_knight = 9;
    static constexpr int32_t black_rook = 10;
    static constexpr int32_t black_queen = 11;
    static constexpr int32_t black_king = 12;

    static constexpr int32_t endgame_material = 3000;

    static constexpr int32_t piece(int32_t kind, int32_t side) { return kind + 6 * side - 6; }
    static constexpr int32_t side_of(int32_t piece) { return piece < 7 ? 1 : 2; }
    static constexpr int32_t kind_of(int32_t piece) { return piece < 7 ? piece : piece - 6; }
    static constexpr bool opponents(int32_t a, int32_t b) { return (a < 7) != (b < 7); }
    static constexpr bool is_valid_piece(int32_t p) { return p >= 1 && p <= 12; }
    static constexpr bool is_valid_kind(int32_t k) { return k >= 1 && k <= 6; }

    static constexpr int32_t value(int32_t kind) {
        assert(is_valid_kind(kind));
        constexpr int32_t values[7] = {0, 100, 325, 300, 500, 900, 0};
        return values[kind];
    }
};

struct CHESS_MOVE_CONSTANTS {
    static constexpr int32_t move_none = 0;
    static constexpr int32_t move_normal = 1;
    static constexpr int32_t move_king = 2;
    static constexpr int32_t move_rook_queenside = 3;
    static constexpr int32_t move_rook_kingside = 4;
    static constexpr int32_t move_pawn = 5;
    static constexpr int32_t move_en_passant = 6;
    static constexpr int32_t move_pawn_double = 7;
    static constexpr int32_t move_promote_queen = 8;
    static constexpr int32_t move_promote_rook = 9;
    static constexpr int32_t move_promote_bishop = 10;
    static constexpr int32_t move_promote_knight = 11;
    static constexpr int32_t move_castle_kingside = 12;
    static constexpr int32_t move_castle_queenside = 13;

    static constexpr bool is_promotion_type(int32_t type) { return type >= 8 && type <= 11; }
};
