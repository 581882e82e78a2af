#include "board_model/chess_gui_board_info.h"

CHESS_GUI_BOARD_INFO::CHESS_GUI_BOARD_INFO(const CHESS_GAME& game, int32_t ply) {
    for (int32_t s = 1; s <= 64; ++s) {
        board[s] =
            game.piece_at(CHESS_SQUARE_CONSTANTS::file(s), CHESS_SQUARE_CONSTANTS::rank(s), ply);
    }
    white_captures = game.captured_pieces(CHESS_GENERAL_CONSTANTS::white, ply);
    black_captures = game.captured_pieces(CHESS_GENERAL_CONSTANTS::black, ply);
    if (ply > 0) {
        const CHESS_MOVE& last = game.history()[ply - 1].move;
        last_move_from = last.src;
        last_move_to = last.dst;
    }
    const CHESS_POSITION& shown =
        ply < game.move_count() ? game.history()[ply].board : game.board();
    if (shown.in_check(shown.side_to_move)) {
        check_square = shown.king_square(shown.side_to_move);
    }
    if (ply < game.move_count()) {
        return;
    }
    playable = game.board();
    for (const CHESS_MOVE& m : game.legal_moves()) {
        move_squares[index(m.src, m.dst)] = true;
        if (m.is_promotion()) {
            promotion_squares[index(m.src, m.dst)] = true;
        }
    }
}

bool CHESS_GUI_BOARD_INFO::can_move_from(int32_t from) const {
    for (int32_t to = 1; to <= 64; ++to) {
        if (is_move(from, to)) {
            return true;
        }
    }
    return false;
}
