// The board: 64 squares, the side to move, the king squares, and six sums kept up to date by
// every change of a square (material per side, middle-game and endgame positional scores, and
// the two hash sums). After every public operation the sums and king squares agree with the
// squares exactly as if recomputed from scratch; `is_consistent` checks that in tests.
#pragma once

#include "rules/chess_board_tables.h"
#include "rules/chess_constants.h"
#include "rules/chess_move.h"
#include "rules/chess_state.h"

#include <array>
#include <cstdint>

class CHESS_POSITION : public CHESS_GENERAL_CONSTANTS,
                       public CHESS_SQUARE_CONSTANTS,
                       public CHESS_PIECE_CONSTANTS {
  public:
    static constexpr int32_t white_to_move_key = 234196800;
    static constexpr int32_t black_to_move_lock = 135999901;

    CHESS_STATE state;
    int32_t side_to_move = white;
    int32_t white_king_square = 0;
    int32_t black_king_square = 0;
    int32_t material_white = 0;
    int32_t material_black = 0;
    int32_t position_score = 0;
    int32_t position_endgame_score = 0;
    int32_t hkey = 0;
    int32_t hlock_key = 0;

    CHESS_POSITION() : tables_(&CHESS_BOARD_TABLES::instance()) {}

    bool operator==(const CHESS_POSITION& other) const;

    void clear();
    // The standard starting position, White to move, all castling rights.
    void set_initial_position();

    int32_t item(int32_t s) const { return area_[s]; }
    bool is_occupied(int32_t s) const { return area_[s] != empty; }
    int32_t kind_at(int32_t s) const { return area_[s] == empty ? 0 : kind_of(area_[s]); }

    void put_piece(int32_t s, int32_t piece) {
        area_[s] = piece;
        occupied_[side_of(piece)] |= bit(s);
        add_delta(tables_->delta(s, piece), +1);
        if (piece == white_king) {
            white_king_square = s;
        } else if (piece == black_king) {
            black_king_square = s;
        }
    }
    void remove_piece(int32_t s) {
        occupied_[side_of(area_[s])] &= ~bit(s);
        add_delta(tables_->delta(s, area_[s]), -1);
        area_[s] = empty;
        if (s == white_king_square) {
            white_king_square = 0;
        } else if (s == black_king_square) {
            black_king_square = 0;
        }
    }
    // The same as remove_piece(from) then put_piece(to, piece) for the piece on from, with one
    // update of the sums instead of two. The square to must be empty.
    void move_piece(int32_t from, int32_t to) {
        const int32_t piece = area_[from];
        area_[from] = empty;
        area_[to] = piece;
        occupied_[side_of(piece)] ^= bit(from) | bit(to);
        const CHESS_PIECE_DELTA& leave = tables_->delta(from, piece);
        const CHESS_PIECE_DELTA& arrive = tables_->delta(to, piece);
        hkey = wrap_add(hkey, wrap_add(arrive.hash, -leave.hash));
        hlock_key = wrap_add(hlock_key, wrap_add(arrive.lock, -leave.lock));
        position_score += arrive.score - leave.score;
        position_endgame_score += arrive.score_endgame - leave.score_endgame;
        if (piece == white_king) {
            white_king_square = to;
        } else if (piece == black_king) {
            black_king_square = to;
        }
    }
    // The squares holding pieces of side, one bit per square (bit s - 1 for square s).
    uint64_t occupied(int32_t side) const { return occupied_[side]; }
    static constexpr uint64_t bit(int32_t s) { return uint64_t{1} << (s - 1); }

    void switch_side() { side_to_move = opponent(side_to_move); }

    bool is_attacked(int32_t s, int32_t attacking_side) const {
        return tables_->attack_paths(s, attacking_side).attacked_by(*this, attacking_side);
    }
    // After m was made: whether its side's king is safe. A move that is not a king move or en
    // passant, made by a side not in check, can only open the one ray from the king through
    // the square it left, so only that ray is walked; otherwise the full attack test runs.
    bool king_safe_after(const CHESS_MOVE& m, bool was_in_check) const {
        const int32_t side = side_of(m.piece);
        if (was_in_check || kind_of(m.piece) == king ||
            m.type == CHESS_MOVE_CONSTANTS::move_en_passant) {
            return !in_check(side);
        }
        const CHESS_PATH* ray = tables_->ray(king_square(side), m.src);
        return ray == nullptr || !ray->attacked_by(*this, opponent(side));
    }
    int32_t king_square(int32_t side) const {
        return side == white ? white_king_square : black_king_square;
    }
    // A side without a king (only in hand-made positions) is never in check.
    bool in_check(int32_t side) const {
        const int32_t s = king_square(side);
        return s != no_square && is_attacked(s, opponent(side));
    }
    bool is_endgame() const { return material_white + material_black < endgame_material; }
    int32_t evaluate() const {
        return material_white - material_black +
               (is_endgame() ? position_endgame_score : position_score);
    }

    int32_t key_extra() const {
        return wrap_add(state.hash(), side_to_move == white ? white_to_move_key : 0);
    }
    int32_t lock_extra() const {
        return wrap_add(state.hash(), side_to_move == black ? black_to_move_lock : 0);
    }
    int32_t full_key() const { return wrap_add(hkey, key_extra()); }
    int32_t full_lock() const { return wrap_add(hlock_key, lock_extra()); }

    void copy_state(const CHESS_STATE& other) { state = other; }
    void add_hash(int32_t d1, int32_t d2) {
        hkey = wrap_add(hkey, d1);
        hlock_key = wrap_add(hlock_key, d2);
    }
    const CHESS_BOARD_TABLES& tables() const { return *tables_; }
    // Recomputes every sum and king square from the squares and compares.
    bool is_consistent() const;

    static int32_t wrap_add(int32_t a, int32_t b) {
        return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
    }

  private:
    void add_delta(const CHESS_PIECE_DELTA& d, int32_t sign) {
        hkey = wrap_add(hkey, sign * d.hash);
        hlock_key = wrap_add(hlock_key, sign * d.lock);
        material_white += sign * d.material_white;
        material_black += sign * d.material_black;
        position_score += sign * d.score;
        position_endgame_score += sign * d.score_endgame;
    }

    const CHESS_BOARD_TABLES* tables_;
    // Indexed by square; entry 0 stands for no square and stays empty.
    std::array<int32_t, 65> area_{};
    std::array<uint64_t, 3> occupied_{}; // by side, 1..2
};
