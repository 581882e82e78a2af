#include "rules/chess_path.h"

#include "rules/chess_move_queue.h"
#include "rules/chess_position.h"

void CHESS_PATH::generate(const CHESS_POSITION& board, int32_t src, int32_t piece,
                          CHESS_MOVE_QUEUE* moves, CHESS_MOVE_QUEUE* captures) const {
    switch (kind) {
    case CHESS_PATH_KIND::straight:
    case CHESS_PATH_KIND::diagonal:
        generate_slide(board, src, piece, moves, captures);
        break;
    case CHESS_PATH_KIND::knight:
        generate_steps(board, src, piece, move_normal, moves, captures);
        break;
    case CHESS_PATH_KIND::king:
        generate_steps(board, src, piece, move_king, moves, captures);
        break;
    case CHESS_PATH_KIND::castle:
        if (captures != nullptr) {
            generate_castle(board, src, piece, *captures);
        }
        break;
    case CHESS_PATH_KIND::pawn:
        if (moves != nullptr) {
            generate_pawn_steps(board, src, piece, *moves);
        }
        break;
    case CHESS_PATH_KIND::pawn_promote:
        if (captures != nullptr && !board.is_occupied(squares[0])) {
            captures->add(move_promote_queen, piece, src, squares[0]);
            captures->add(move_promote_knight, piece, src, squares[0]);
            captures->add(move_promote_bishop, piece, src, squares[0]);
            captures->add(move_promote_rook, piece, src, squares[0]);
        }
        break;
    case CHESS_PATH_KIND::pawn_capture:
        if (captures != nullptr) {
            generate_pawn_captures(board, src, piece, false, *captures);
        }
        break;
    case CHESS_PATH_KIND::pawn_capture_promote:
        if (captures != nullptr) {
            generate_pawn_captures(board, src, piece, true, *captures);
        }
        break;
    case CHESS_PATH_KIND::pawn_ep:
        if (captures != nullptr) {
            generate_en_passant(board, src, piece, *captures);
        }
        break;
    }
}

void CHESS_PATH::generate_slide(const CHESS_POSITION& board, int32_t src, int32_t piece,
                                CHESS_MOVE_QUEUE* moves, CHESS_MOVE_QUEUE* captures) const {
    for (int i = 0; i < count; ++i) {
        const int32_t s = squares[i];
        const int32_t target = board.item(s);
        if (target == empty) {
            if (moves != nullptr) {
                moves->add(move_type, piece, src, s);
            }
            continue;
        }
        if (captures != nullptr && opponents(piece, target)) {
            captures->add(move_type, piece, src, s);
        }
        return;
    }
}

void CHESS_PATH::generate_steps(const CHESS_POSITION& board, int32_t src, int32_t piece,
                                int32_t type, CHESS_MOVE_QUEUE* moves,
                                CHESS_MOVE_QUEUE* captures) const {
    for (int i = 0; i < count; ++i) {
        const int32_t s = squares[i];
        const int32_t target = board.item(s);
        if (target == empty) {
            if (moves != nullptr) {
                moves->add(type, piece, src, s);
            }
        } else if (captures != nullptr && opponents(piece, target)) {
            captures->add(type, piece, src, s);
        }
    }
}

// The castling flags stand for the rook's presence; the king's destination is left to the
// legality test of the caller.
void CHESS_PATH::generate_castle(const CHESS_POSITION& board, int32_t src, int32_t piece,
                                 CHESS_MOVE_QUEUE& captures) const {
    const int32_t side = side_of(piece);
    const int32_t enemy = CHESS_GENERAL_CONSTANTS::opponent(side);
    const int32_t b = side == CHESS_GENERAL_CONSTANTS::white ? 8 : 64;
    const CHESS_STATE& state = board.state;
    if (state.kingside(side) && !board.is_occupied(b - 2) && !board.is_occupied(b - 1) &&
        !board.is_attacked(src, enemy) && !board.is_attacked(b - 2, enemy)) {
        captures.add(move_castle_kingside, piece, src, squares[0]);
    }
    if (state.queenside(side) && !board.is_occupied(b - 6) && !board.is_occupied(b - 5) &&
        !board.is_occupied(b - 4) && !board.is_attacked(src, enemy) &&
        !board.is_attacked(b - 4, enemy)) {
        captures.add(move_castle_queenside, piece, src, squares[1]);
    }
}

void CHESS_PATH::generate_pawn_steps(const CHESS_POSITION& board, int32_t src, int32_t piece,
                                     CHESS_MOVE_QUEUE& moves) const {
    for (int i = 0; i < count; ++i) {
        if (board.is_occupied(squares[i])) {
            return;
        }
        moves.add(i == 0 ? move_pawn : move_pawn_double, piece, src, squares[i]);
    }
}

void CHESS_PATH::generate_pawn_captures(const CHESS_POSITION& board, int32_t src, int32_t piece,
                                        bool promote, CHESS_MOVE_QUEUE& captures) const {
    for (int i = 0; i < count; ++i) {
        const int32_t s = squares[i];
        const int32_t target = board.item(s);
        if (target == empty || !opponents(piece, target)) {
            continue;
        }
        if (promote) {
            captures.add(move_promote_queen, piece, src, s);
            captures.add(move_promote_knight, piece, src, s);
            captures.add(move_promote_bishop, piece, src, s);
            captures.add(move_promote_rook, piece, src, s);
        } else {
            captures.add(move_pawn, piece, src, s);
        }
    }
}

void CHESS_PATH::generate_en_passant(const CHESS_POSITION& board, int32_t src, int32_t piece,
                                     CHESS_MOVE_QUEUE& captures) const {
    const int32_t side = side_of(piece);
    const int32_t d = board.state.double_move(CHESS_GENERAL_CONSTANTS::opponent(side));
    if (d == 0) {
        return;
    }
    const int32_t back = side == CHESS_GENERAL_CONSTANTS::white ? -8 : 8;
    for (int i = 0; i < count; ++i) {
        if (squares[i] + back == d) {
            captures.add(move_en_passant, piece, src, squares[i]);
        }
    }
}

bool CHESS_PATH::attacked_by(const CHESS_POSITION& board, int32_t side) const {
    switch (kind) {
    case CHESS_PATH_KIND::straight:
    case CHESS_PATH_KIND::diagonal: {
        for (int i = 0; i < count; ++i) {
            const int32_t p = board.item(squares[i]);
            if (p == empty) {
                continue;
            }
            return p == 6 * side - 1 || p == attacker_kind() + 6 * side - 6 ||
                   (p == 6 * side && i == 0);
        }
        return false;
    }
    case CHESS_PATH_KIND::knight:
        return holds_any(board, 6 * side - 3);
    case CHESS_PATH_KIND::pawn_capture:
    case CHESS_PATH_KIND::pawn_ep:
    case CHESS_PATH_KIND::pawn_capture_promote:
        return holds_any(board, 6 * side - 5);
    default:
        return false;
    }
}

bool CHESS_PATH::holds_any(const CHESS_POSITION& board, int32_t piece) const {
    for (int i = 0; i < count; ++i) {
        if (board.item(squares[i]) == piece) {
            return true;
        }
    }
    return false;
}
