#include "rules/chess_san.h"

#include "rules/chess_movgen.h"

std::string CHESS_SAN::text(const CHESS_POSITION& board, const CHESS_MOVE& m) {
    CHESS_POSITION scratch = board;
    if (m.type == move_castle_kingside || m.type == move_castle_queenside) {
        return (m.type == move_castle_kingside ? "O-O" : "O-O-O") + check_mark(scratch, m);
    }
    const int32_t kind = kind_of(m.piece);
    const bool capture = m.is_capture(board);
    std::string text;
    if (kind == pawn) {
        text = capture ? std::string{square_name(m.src)[0], 'x'} : "";
    } else {
        text = piece_letter(kind) + disambiguation(scratch, m) + (capture ? "x" : "");
    }
    text += square_name(m.dst);
    if (m.is_promotion()) {
        text += std::string("=") + piece_letter(kind_of(m.promoted_piece()));
    }
    return text + check_mark(scratch, m);
}

char CHESS_SAN::piece_letter(int32_t kind) {
    constexpr char letters[7] = {' ', ' ', 'B', 'N', 'R', 'Q', 'K'};
    return letters[kind];
}

// What must follow the piece letter so that no other piece of the same kind reaching the same
// square fits: nothing, the file, the rank, or both.
std::string CHESS_SAN::disambiguation(CHESS_POSITION& board, const CHESS_MOVE& m) {
    bool ambiguous = false;
    bool same_file = false;
    bool same_rank = false;
    CHESS_MOVGEN generator;
    generator.play_legal_moves(board, [&](const CHESS_MOVE& other) {
        if (other.piece == m.piece && other.dst == m.dst && other.src != m.src) {
            ambiguous = true;
            same_file = same_file || file(other.src) == file(m.src);
            same_rank = same_rank || rank(other.src) == rank(m.src);
        }
        return true;
    });
    const std::string from = square_name(m.src);
    if (!ambiguous) {
        return "";
    }
    if (!same_file) {
        return from.substr(0, 1);
    }
    return same_rank ? from : from.substr(1, 1);
}

// "#" when the opponent is checkmated, "+" when only checked. Board is left as it was.
std::string CHESS_SAN::check_mark(CHESS_POSITION& board, const CHESS_MOVE& m) {
    const CHESS_STATE saved = board.state;
    m.execute(board);
    std::string mark;
    if (board.in_check(board.side_to_move)) {
        CHESS_MOVGEN generator;
        const bool can_move =
            generator.play_legal_moves(board, [](const CHESS_MOVE&) { return false; });
        mark = can_move ? "+" : "#";
    }
    m.unmake(board);
    board.copy_state(saved);
    return mark;
}
