#include "rules/chess_movgen.h"

#include "rules/chess_position.h"

#include <bit>

CHESS_MOVGEN::CHESS_MOVGEN() : moves_(std::in_place, quiet_slots) {}

CHESS_MOVGEN CHESS_MOVGEN::make_with_history(CHESS_MOVE_HISTORY* history) {
    CHESS_MOVGEN generator;
    generator.move_history_ = history;
    return generator;
}

CHESS_MOVGEN CHESS_MOVGEN::make_captures_only() {
    CHESS_MOVGEN generator;
    generator.moves_.reset();
    generator.want_captures_only_ = true;
    return generator;
}

void CHESS_MOVGEN::start(CHESS_POSITION& board) {
    cp_ = &board;
    side_ = board.side_to_move;
    captures_.reset();
    if (moves_) {
        moves_->reset();
    }
    has_item_ = false;
    move_history_counter_ = history_picks;

    generate_all();

    // A remembered best move belongs to a depth, not to a node: it is tried first only where
    // this position generates it too, since playing it untested elsewhere would corrupt the board.
    has_ignore_move_ = false;
    if (has_best_move_) {
        has_best_move_ = false;
        if (is_generated(best_move_)) {
            item_ = best_move_;
            has_item_ = true;
            ignore_move_ = best_move_;
            has_ignore_move_ = true;
        }
    }

    if (captures_.count() > 1) {
        captures_.sort_by_key(board);
    }
    const bool killer_among_captures =
        has_killer_ && captures_.count() >= 2 && captures_.find_to_front(killer_move_);
    try_killer_ = has_killer_ && !killer_among_captures;

    if (!has_item_ && !(captures_.is_empty() && quiet_is_empty())) {
        forth();
    }
}

void CHESS_MOVGEN::generate_all() {
    const CHESS_BOARD_TABLES& tables = cp_->tables();
    CHESS_MOVE_QUEUE* quiet = moves_ ? &*moves_ : nullptr;
    // White's squares in ascending order, Black's in descending order.
    uint64_t squares = cp_->occupied(side_);
    const bool white = side_ == CHESS_GENERAL_CONSTANTS::white;
    while (squares != 0) {
        const int32_t s = white ? std::countr_zero(squares) + 1 : 64 - std::countl_zero(squares);
        squares &= ~CHESS_POSITION::bit(s);
        const int32_t piece = cp_->item(s);
        tables.move_square(s, piece).paths.generate(*cp_, s, piece, quiet, &captures_);
    }
}

bool CHESS_MOVGEN::is_generated(const CHESS_MOVE& m) const {
    auto holds = [&m](const CHESS_MOVE_QUEUE& queue) {
        for (int32_t i = queue.out_index(); i < queue.in_index(); ++i) {
            if (queue.at(i) == m) {
                return true;
            }
        }
        return false;
    };
    return holds(captures_) || (moves_ && holds(*moves_));
}

void CHESS_MOVGEN::forth() {
    has_item_ = false;
    while (!has_item_) {
        if (!captures_.is_empty()) {
            const CHESS_MOVE candidate = captures_.item();
            captures_.forth();
            has_item_ = accept(candidate, true);
        } else if (!quiet_is_empty()) {
            pick_quiet_front();
            const CHESS_MOVE candidate = moves_->item();
            moves_->forth();
            has_item_ = accept(candidate, false);
        } else {
            return;
        }
    }
}

// Before a quiet move is taken: either the killer is looked for once, or (in its stead) the
// move with the best history is brought to the front, at most four times per node.
void CHESS_MOVGEN::pick_quiet_front() {
    if (try_killer_) {
        try_killer_ = false;
        if (moves_->count() >= 2) {
            moves_->find_to_front(killer_move_);
        }
    } else if (move_history_ != nullptr && move_history_counter_ > 0) {
        --move_history_counter_;
        if (moves_->count() >= 2) {
            pick_by_history();
        }
    }
}

void CHESS_MOVGEN::pick_by_history() {
    int32_t best_index = 0;
    int32_t best_value = 0;
    for (int32_t i = moves_->out_index(); i < moves_->in_index(); ++i) {
        const int32_t value = move_history_->value(moves_->at(i));
        if (value > best_value) {
            best_value = value;
            best_index = i;
        }
    }
    if (best_index != 0) {
        moves_->swap(best_index, moves_->out_index());
    }
}

// A quiet move lands on an empty square, so only a capture can take a king.
bool CHESS_MOVGEN::accept(const CHESS_MOVE& candidate, bool from_captures) {
    if (want_captures_only_ && candidate.type != CHESS_MOVE_CONSTANTS::move_en_passant &&
        !cp_->is_occupied(candidate.dst)) {
        return false;
    }
    if (has_ignore_move_ && candidate == ignore_move_) {
        has_ignore_move_ = false;
        return false;
    }
    if (from_captures && candidate.takes_king(*cp_)) {
        return false;
    }
    item_ = candidate;
    return true;
}
