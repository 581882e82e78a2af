// The moves of one position, one at a time, in the order the search wants to try them: a
// remembered best move, then captures and the other forcing moves (promotions, en passant,
// castling) sorted cheapest attacker on dearest victim first, then the killer, then up to four
// quiet moves picked by history, then the remaining quiet moves in generation order.
//
// One generator serves one ply and is reused for every node at that ply; the killer survives
// from node to node, a best move is offered to the next start only. The moves are pseudo-legal:
// play_legal_moves makes each, drops it when the mover's king is left attacked, and unmakes it.
#pragma once

#include "rules/chess_move.h"
#include "rules/chess_move_history.h"
#include "rules/chess_move_queue.h"
#include "rules/chess_position.h"
#include "rules/chess_state.h"

#include <cstdint>
#include <optional>

class CHESS_MOVGEN {
  public:
    static constexpr int32_t quiet_slots = 40;
    static constexpr int32_t capture_slots = 10;
    static constexpr int32_t history_picks = 4;

    CHESS_MOVGEN();
    static CHESS_MOVGEN make_with_history(CHESS_MOVE_HISTORY* history);
    static CHESS_MOVGEN make_captures_only();

    void set_best_move(const CHESS_MOVE& m) {
        best_move_ = m;
        has_best_move_ = true;
    }
    void clear_best_move() { has_best_move_ = false; }
    void set_killer(const CHESS_MOVE& m) {
        killer_move_ = m;
        has_killer_ = true;
    }
    void clear_killer() { has_killer_ = false; }
    bool has_killer() const { return has_killer_; }

    void start(CHESS_POSITION& board);
    void forth();
    bool has_item() const { return has_item_; }
    const CHESS_MOVE& item() const { return item_; }
    bool exhausted() const { return !has_item_ && captures_.is_empty() && quiet_is_empty(); }

    void make_item() {
        saved_state_ = cp_->state;
        item_.execute(*cp_);
    }
    void unmake_item() {
        item_.unmake(*cp_);
        cp_->copy_state(saved_state_);
    }
    // After make_item: whether the mover's king is safe (see CHESS_POSITION::king_safe_after).
    bool item_is_legal(bool was_in_check) const {
        return cp_->king_safe_after(item_, was_in_check);
    }

    // Plays every legal move of board's side to move in generator order: makes it, drops it when
    // it leaves the mover's king attacked, calls while_made(move) while it stands on the board,
    // and unmakes it. while_made returns false to stop; the move it stopped at stays item() and
    // the board is as before. Returns whether the walk was stopped. The walk allocates nothing.
    template <typename WHILE_MADE>
    bool play_legal_moves(CHESS_POSITION& board, WHILE_MADE&& while_made) {
        const bool was_in_check = board.in_check(board.side_to_move);
        for (start(board); has_item_; forth()) {
            make_item();
            const bool go_on = !item_is_legal(was_in_check) || while_made(item_);
            unmake_item();
            if (!go_on) {
                return true;
            }
        }
        return false;
    }

    bool want_captures_only() const { return want_captures_only_; }

  private:
    bool quiet_is_empty() const { return !moves_ || moves_->is_empty(); }
    void generate_all();
    bool is_generated(const CHESS_MOVE& m) const;
    void pick_quiet_front();
    void pick_by_history();
    bool accept(const CHESS_MOVE& candidate, bool from_captures);

    CHESS_MOVE item_;
    CHESS_POSITION* cp_ = nullptr;
    CHESS_STATE saved_state_;
    std::optional<CHESS_MOVE_QUEUE> moves_;
    CHESS_MOVE_QUEUE captures_{capture_slots};
    CHESS_MOVE best_move_;
    CHESS_MOVE killer_move_;
    CHESS_MOVE_HISTORY* move_history_ = nullptr;
    CHESS_MOVE ignore_move_;
    bool has_best_move_ = false;
    bool has_ignore_move_ = false;
    bool want_captures_only_ = false;
    bool has_item_ = false;
    bool has_killer_ = false;
    bool try_killer_ = false;
    int32_t side_ = 0;
    int32_t move_history_counter_ = 0;
};
