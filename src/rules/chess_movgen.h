// The moves of one position, one at a time, in the order the search wants to try them: a
// remembered best move, then captures and the other forcing moves (promotions, en passant,
// castling) sorted cheapest attacker on dearest victim first, then the killer, then up to four
// quiet moves picked by history, then the remaining quiet moves in generation order.
//
// One generator serves one ply and is reused for every node at that ply; the best move and the
// killer survive from node to node. The moves are pseudo-legal: the caller makes the move and
// rejects it when the mover's king is left attacked.
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
    const CHESS_MOVE& killer_move() const { return killer_move_; }

    void start(CHESS_POSITION& board);
    void forth();
    bool has_item() const { return has_item_; }
    const CHESS_MOVE& item() const { return item_; }
    bool exhausted() const { return !has_item_ && captures_.is_empty() && quiet_is_empty(); }

    void make_item() {
        in_move_ = true;
        saved_state_ = cp_->state;
        item_.execute(*cp_);
    }
    void unmake_item() {
        in_move_ = false;
        item_.unmake(*cp_);
        cp_->copy_state(saved_state_);
    }
    // After make_item: whether the mover's king is safe (see CHESS_POSITION::king_safe_after).
    bool item_is_legal(bool was_in_check) const {
        return cp_->king_safe_after(item_, was_in_check);
    }
    bool in_move() const { return in_move_; }
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
    bool in_move_ = false;
    bool want_captures_only_ = false;
    bool has_item_ = false;
    bool has_killer_ = false;
    bool try_killer_ = false;
    int32_t side_ = 0;
    int32_t move_history_counter_ = 0;
};
