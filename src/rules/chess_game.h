// One game: the current board, every move played with the board as it stood before it, and the
// result flags (checkmate, stalemate, fifty-move draw) recomputed after every change. This is
// what the application, the board view, the history list and the saved-game file work on.
#pragma once

#include "rules/chess_move.h"
#include "rules/chess_movgen.h"
#include "rules/chess_position.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CHESS_GAME_HISTORY_ITEM {
    CHESS_POSITION board; // the board just before the move
    CHESS_MOVE move;
};

class CHESS_GAME : public CHESS_GENERAL_CONSTANTS,
                   public CHESS_SQUARE_CONSTANTS,
                   public CHESS_PIECE_CONSTANTS,
                   public CHESS_MOVE_CONSTANTS {
  public:
    static constexpr int32_t fifty_move_limit = 100;

    // A game from the standard starting position.
    CHESS_GAME();
    // A game from another position (for positions given as FEN).
    explicit CHESS_GAME(const CHESS_POSITION& start);

    const CHESS_POSITION& board() const { return board_; }
    const std::vector<CHESS_GAME_HISTORY_ITEM>& history() const { return history_; }
    bool check_mate() const { return check_mate_; }
    bool stale_mate() const { return stale_mate_; }
    bool draw() const { return draw_; }

    int32_t side_to_move() const { return board_.side_to_move; }
    int32_t move_count() const { return static_cast<int32_t>(history_.size()); }
    bool has_moves() const { return !history_.empty(); }
    bool is_over() const { return check_mate_ || stale_mate_ || draw_; }

    // The piece on (file, rank) as it stood before move n + 1.
    int32_t piece_at(int32_t file, int32_t rank, int32_t n) const;
    std::vector<CHESS_MOVE> legal_moves() const;
    std::optional<CHESS_MOVE> find_legal_move(int32_t src, int32_t dst,
                                              int32_t promotion_piece) const;
    void make_move(const CHESS_MOVE& m);
    void take_back();
    // Makes the board a copy of the item's board and recomputes the flags.
    void restore(const CHESS_GAME_HISTORY_ITEM& item);
    // Removes the last history item without touching the board (the caller restores).
    void remove_last_history_item() { history_.pop_back(); }

    std::string move_text(const CHESS_MOVE& m) const;
    const CHESS_MOVE& last_move() const { return history_.back().move; }
    std::string last_move_text() const;
    // The kinds side captured in moves 1..n, in order; en passant counts as a pawn.
    std::vector<int32_t> captured_pieces(int32_t side, int32_t n) const;

  private:
    void compute_flags();

    CHESS_POSITION board_;
    std::vector<CHESS_GAME_HISTORY_ITEM> history_;
    bool check_mate_ = false;
    bool stale_mate_ = false;
    bool draw_ = false;
};
