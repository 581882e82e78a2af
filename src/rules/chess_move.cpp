#include "rules/chess_move.h"

#include "rules/chess_position.h"

#include <cstdlib>

bool CHESS_MOVE::is_capture(const CHESS_POSITION& board) const {
    return type == move_en_passant || board.is_occupied(dst);
}

bool CHESS_MOVE::takes_king(const CHESS_POSITION& board) const {
    return dst == board.white_king_square || dst == board.black_king_square;
}

bool CHESS_MOVE::fits(const CHESS_POSITION& board) const {
    const int32_t target = board.item(dst);
    return board.item(src) == piece && (target == empty || opponents(piece, target));
}

int32_t CHESS_MOVE::order_key(const CHESS_POSITION& board) const {
    const int32_t victim = board.item(dst);
    if (victim != empty) {
        const int32_t victim_kind = kind_of(victim);
        return victim_kind == king ? 2000 : value(kind_of(piece)) - value(victim_kind);
    }
    switch (type) {
    case move_promote_queen:
        return -1003;
    case move_promote_rook:
        return -1002;
    case move_promote_bishop:
        return -1001;
    case move_promote_knight:
        return -1000;
    default:
        return 0;
    }
}

int32_t CHESS_MOVE::promoted_piece() const {
    const int32_t c = side();
    switch (type) {
    case move_promote_queen:
        return 6 * c - 1;
    case move_promote_rook:
        return 6 * c - 2;
    case move_promote_bishop:
        return 6 * c - 4;
    case move_promote_knight:
        return 6 * c - 3;
    default:
        return empty;
    }
}

void CHESS_MOVE::execute(CHESS_POSITION& board) const {
    CHESS_STATE& state = board.state;
    const int32_t c = side();
    state.clear_double_move(c);
    const int32_t victim = board.item(dst);
    if (victim != empty) {
        board.remove_piece(dst);
        state.set_capture(dst, victim);
        state.reset_fifty_counter();
        state.update_rook(dst, victim);
    } else {
        state.clear_capture();
        state.increment_fifty_counter();
    }
    board.move_piece(src, dst);

    switch (type) {
    case move_normal:
        break;
    case move_king:
        state.clear_castling(c);
        break;
    case move_castle_kingside:
        state.clear_castling(c);
        board.move_piece(c == white ? h1 : h8, c == white ? f1 : f8);
        break;
    case move_castle_queenside:
        state.clear_castling(c);
        board.move_piece(c == white ? a1 : a8, c == white ? d1 : d8);
        break;
    case move_rook_queenside:
        state.clear_queenside(c);
        break;
    case move_rook_kingside:
        state.clear_kingside(c);
        break;
    case move_pawn:
        state.reset_fifty_counter();
        break;
    case move_en_passant: {
        state.reset_fifty_counter();
        const int32_t q = state.double_move(opponent(c));
        board.remove_piece(q);
        state.set_capture(q, CHESS_PIECE_CONSTANTS::piece(pawn, opponent(c)));
        break;
    }
    case move_pawn_double:
        state.reset_fifty_counter();
        state.set_double_move(c, dst);
        break;
    case move_promote_queen:
    case move_promote_rook:
    case move_promote_bishop:
    case move_promote_knight:
        state.reset_fifty_counter();
        board.remove_piece(dst);
        board.put_piece(dst, promoted_piece());
        break;
    default:
        assert(false && "unknown move type");
        std::abort();
    }
    board.switch_side();
}

void CHESS_MOVE::unmake(CHESS_POSITION& board) const {
    board.switch_side();
    if (is_promotion()) {
        board.remove_piece(dst);
        board.put_piece(src, piece);
    } else {
        board.move_piece(dst, src);
    }
    const CHESS_STATE& state = board.state;
    if (state.capture_piece != empty) {
        board.put_piece(state.capture_square, state.capture_piece);
    }
    const int32_t c = side();
    if (type == move_castle_kingside) {
        board.move_piece(c == white ? f1 : f8, c == white ? h1 : h8);
    } else if (type == move_castle_queenside) {
        board.move_piece(c == white ? d1 : d8, c == white ? a1 : a8);
    }
}

std::string CHESS_MOVE::out(CHESS_POSITION& board) const {
    std::string text;
    if (type == move_castle_kingside) {
        text = "o-o";
    } else if (type == move_castle_queenside) {
        text = "o-o-o";
    } else {
        const bool capture = type == move_en_passant || board.is_occupied(dst);
        text = square_name(src) + (capture ? "x" : "-") + square_name(dst);
    }

    const CHESS_STATE saved = board.state;
    execute(board);
    const bool own_king_attacked = board.in_check(side());
    const bool gives_check = board.in_check(opponent_side());
    unmake(board);
    board.copy_state(saved);

    if (gives_check) {
        text += "+";
    }
    if (own_king_attacked) {
        text = "(InCheck) " + text;
    }
    switch (type) {
    case move_en_passant:
        text += " e.p.";
        break;
    case move_promote_queen:
        text += " =Q";
        break;
    case move_promote_rook:
        text += " =R";
        break;
    case move_promote_bishop:
        text += " =B";
        break;
    case move_promote_knight:
        text += " =N";
        break;
    default:
        break;
    }
    return text;
}

std::string CHESS_MOVE::uci_text() const {
    std::string text = square_name(src) + square_name(dst);
    static constexpr char promotion_letters[] = "qrbn";
    if (is_promotion()) {
        text += promotion_letters[type - move_promote_queen];
    }
    return text;
}
