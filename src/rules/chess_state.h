// The part of a position that undoing a move cannot work out from the move: castling rights, the
// squares of pawns that have just made a double step, what the last move captured and the
// fifty-move counter. Undo restores it from a copy taken before the move.
#pragma once

#include "rules/chess_constants.h"

#include <cstdint>

class CHESS_STATE : public CHESS_SQUARE_CONSTANTS, public CHESS_PIECE_CONSTANTS {
  public:
    bool white_kingside = true;
    bool white_queenside = true;
    bool black_kingside = true;
    bool black_queenside = true;
    int32_t double_move_white = 0;
    int32_t double_move_black = 0;
    int32_t capture_square = 0;
    int32_t capture_piece = 0;
    int32_t fifty_counter = 0;

    bool operator==(const CHESS_STATE& other) const {
        return white_kingside == other.white_kingside && white_queenside == other.white_queenside &&
               black_kingside == other.black_kingside && black_queenside == other.black_queenside &&
               double_move_white == other.double_move_white &&
               double_move_black == other.double_move_black &&
               capture_square == other.capture_square && capture_piece == other.capture_piece &&
               fifty_counter == other.fifty_counter;
    }

    bool kingside(int32_t side) const { return side == 1 ? white_kingside : black_kingside; }
    bool queenside(int32_t side) const { return side == 1 ? white_queenside : black_queenside; }
    void clear_kingside(int32_t side) { (side == 1 ? white_kingside : black_kingside) = false; }
    void clear_queenside(int32_t side) { (side == 1 ? white_queenside : black_queenside) = false; }
    void clear_castling(int32_t side) {
        clear_kingside(side);
        clear_queenside(side);
    }

    int32_t double_move(int32_t side) const {
        return side == 1 ? double_move_white : double_move_black;
    }
    void set_double_move(int32_t side, int32_t s) {
        (side == 1 ? double_move_white : double_move_black) = s;
    }
    void clear_double_move(int32_t side) { set_double_move(side, 0); }

    void set_capture(int32_t s, int32_t piece) {
        capture_square = s;
        capture_piece = piece;
    }
    void clear_capture() { set_capture(0, 0); }
    void reset_fifty_counter() { fifty_counter = 0; }
    void increment_fifty_counter() { ++fifty_counter; }

    // A rook leaving or captured on its own corner takes its side's right with it.
    void update_rook(int32_t s, int32_t piece) {
        if (piece == white_rook) {
            if (s == a1) {
                white_queenside = false;
            } else if (s == h1) {
                white_kingside = false;
            }
        } else if (piece == black_rook) {
            if (s == a8) {
                black_queenside = false;
            } else if (s == h8) {
                black_kingside = false;
            }
        }
    }

    // The castling rights and double-step squares folded into the full keys (32-bit wrap-around).
    int32_t hash() const {
        uint32_t h = static_cast<uint32_t>(double_move_white) * 1234555u +
                     static_cast<uint32_t>(double_move_black) * 2234555u;
        h += white_kingside ? 1434222u : 0u;
        h += white_queenside ? 2934555u : 0u;
        h += black_kingside ? 234111u : 0u;
        h += black_queenside ? 334000u : 0u;
        return static_cast<int32_t>(h);
    }
};
