#include "rules/chess_game.h"

CHESS_GAME::CHESS_GAME() {
    board_.set_initial_position();
}

CHESS_GAME::CHESS_GAME(const CHESS_POSITION& start) : board_(start) {
    compute_flags();
}

int32_t CHESS_GAME::piece_at(int32_t file, int32_t rank, int32_t n) const {
    const int32_t s = square(file, rank);
    if (n >= 0 && n < move_count()) {
        return history_[n].board.item(s);
    }
    return board_.item(s);
}

std::vector<CHESS_MOVE> CHESS_GAME::legal_moves() const {
    std::vector<CHESS_MOVE> moves;
    CHESS_POSITION board = board_;
    CHESS_MOVGEN generator;
    generator.play_legal_moves(board, [&moves](const CHESS_MOVE& m) {
        moves.push_back(m);
        return true;
    });
    return moves;
}

std::optional<CHESS_MOVE> CHESS_GAME::find_legal_move(int32_t src, int32_t dst,
                                                      int32_t promotion_piece) const {
    for (const CHESS_MOVE& m : legal_moves()) {
        if (m.src == src && m.dst == dst &&
            (!m.is_promotion() || m.promoted_piece() == promotion_piece)) {
            return m;
        }
    }
    return std::nullopt;
}

void CHESS_GAME::make_move(const CHESS_MOVE& m) {
    history_.push_back({board_, m});
    m.execute(board_);
    compute_flags();
}

void CHESS_GAME::take_back() {
    const CHESS_GAME_HISTORY_ITEM item = history_.back();
    history_.pop_back();
    restore(item);
}

void CHESS_GAME::restore(const CHESS_GAME_HISTORY_ITEM& item) {
    board_ = item.board;
    compute_flags();
}

void CHESS_GAME::compute_flags() {
    check_mate_ = stale_mate_ = draw_ = false;
    CHESS_POSITION board = board_;
    CHESS_MOVGEN generator;
    const bool can_move =
        generator.play_legal_moves(board, [](const CHESS_MOVE&) { return false; });
    const bool in_check = board_.in_check(board_.side_to_move);
    if (!can_move) {
        (in_check ? check_mate_ : stale_mate_) = true;
    } else if (!in_check && board_.state.fifty_counter > fifty_move_limit) {
        draw_ = true;
    }
}

std::string CHESS_GAME::move_text(const CHESS_MOVE& m) const {
    CHESS_POSITION board = board_;
    return m.out(board);
}

std::string CHESS_GAME::last_move_text() const {
    CHESS_POSITION board = history_.back().board;
    return history_.back().move.out(board);
}

std::vector<int32_t> CHESS_GAME::captured_pieces(int32_t side, int32_t n) const {
    std::vector<int32_t> kinds;
    for (int32_t i = 0; i < n && i < move_count(); ++i) {
        const CHESS_GAME_HISTORY_ITEM& item = history_[i];
        if (item.move.side() != side || !item.move.is_capture(item.board)) {
            continue;
        }
        kinds.push_back(item.move.type == move_en_passant ? pawn
                                                          : item.board.kind_at(item.move.dst));
    }
    return kinds;
}
