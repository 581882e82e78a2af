#include "rules/chess_move_parser.h"

#include "rules/chess_game.h"
#include "rules/chess_san.h"

#include <cctype>

void CHESS_MOVE_PARSER::parse(const CHESS_POSITION& board, const std::string& text) {
    failed_ = false;
    error_message_.clear();
    move_ = CHESS_MOVE();
    const std::string typed = without_annotations(text);
    if (typed.empty()) {
        fail("type a move");
        return;
    }
    REQUEST request;
    if (!read_castling(typed, request) && !read_coordinates(typed, request) &&
        !read_standard(typed, request)) {
        fail("not a move");
        return;
    }
    std::vector<CHESS_MOVE> found;
    for (const CHESS_MOVE& m : CHESS_GAME(board).legal_moves()) {
        if (fits(m, request)) {
            found.push_back(m);
        }
    }
    // The four promotions of one pawn differ only in the piece the text left open.
    const bool promotion_open = !found.empty() && found.front().is_promotion() &&
                                request.promotion_kind == 0 && request.castle_type == 0;
    if (found.empty()) {
        fail(request.castle_type != 0 ? "castling is not possible now" : "illegal move");
    } else if (promotion_open) {
        fail("add the promotion piece: =Q, =R, =B or =N");
    } else if (found.size() > 1) {
        std::string choices;
        for (const CHESS_MOVE& m : found) {
            choices += (choices.empty() ? "" : " or ") + CHESS_SAN::text(board, m);
        }
        fail("ambiguous: " + choices);
    } else {
        move_ = found.front();
    }
}

std::vector<std::string> CHESS_MOVE_PARSER::move_texts(const CHESS_POSITION& board) {
    std::vector<std::string> texts;
    for (const CHESS_MOVE& m : CHESS_GAME(board).legal_moves()) {
        texts.push_back(CHESS_SAN::text(board, m));
    }
    return texts;
}

// Spaces anywhere, and the check, mate and comment marks at the end, say nothing about the move.
std::string CHESS_MOVE_PARSER::without_annotations(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            kept += c;
        }
    }
    while (!kept.empty() && std::string("+#!?").find(kept.back()) != std::string::npos) {
        kept.pop_back();
    }
    return kept;
}

bool CHESS_MOVE_PARSER::read_castling(const std::string& text, REQUEST& request) {
    std::string letters;
    for (const char c : text) {
        letters += c == '0' || c == 'o' ? 'O' : c;
    }
    if (letters == "O-O" || letters == "OO") {
        request.castle_type = move_castle_kingside;
    } else if (letters == "O-O-O" || letters == "OOO") {
        request.castle_type = move_castle_queenside;
    }
    return request.castle_type != 0;
}

// e2e4, e2-e4, e4xd5, e7e8q, e7e8=Q.
bool CHESS_MOVE_PARSER::read_coordinates(const std::string& text, REQUEST& request) {
    if (text.size() < 4 || !is_file_letter(text[0]) || !is_rank_digit(text[1])) {
        return false;
    }
    size_t at = 2;
    if (text[at] == '-' || text[at] == 'x') {
        ++at;
    }
    if (at + 2 > text.size() || !is_file_letter(text[at]) || !is_rank_digit(text[at + 1])) {
        return false;
    }
    request.from_file = text[0] - 'a' + 1;
    request.from_rank = text[1] - '0';
    request.to = square(text[at] - 'a' + 1, text[at + 1] - '0');
    std::string rest = text.substr(at + 2);
    if (!rest.empty() && rest.front() == '=') {
        rest.erase(0, 1);
    }
    if (rest.empty()) {
        return true;
    }
    request.promotion_kind = rest.size() == 1 ? kind_of_letter(rest[0]) : 0;
    return request.promotion_kind != 0;
}

// [piece letter][from file][from rank][x]to-square[=promotion letter]
bool CHESS_MOVE_PARSER::read_standard(const std::string& text, REQUEST& request) {
    size_t at = 0;
    request.kind = pawn;
    if (at < text.size() && std::isupper(static_cast<unsigned char>(text[at]))) {
        request.kind = kind_of_letter(text[at]);
        if (request.kind == 0 || request.kind == pawn) {
            return false;
        }
        ++at;
    }
    // The target is the last square named before any promotion.
    size_t target = std::string::npos;
    for (size_t i = at; i + 1 < text.size(); ++i) {
        if (is_file_letter(text[i]) && is_rank_digit(text[i + 1])) {
            target = i;
        }
    }
    if (target == std::string::npos) {
        return false;
    }
    std::string from = text.substr(at, target - at);
    if (!from.empty() && from.back() == 'x') {
        from.pop_back();
    }
    for (const char c : from) {
        if (is_file_letter(c) && request.from_file == 0 && request.from_rank == 0) {
            request.from_file = c - 'a' + 1;
        } else if (is_rank_digit(c) && request.from_rank == 0) {
            request.from_rank = c - '0';
        } else {
            return false;
        }
    }
    request.to = square(text[target] - 'a' + 1, text[target + 1] - '0');
    std::string rest = text.substr(target + 2);
    if (!rest.empty() && rest.front() == '=') {
        rest.erase(0, 1);
    }
    if (rest.empty()) {
        // A pawn that names no file stays on its own: "d5" is never a capture.
        if (request.kind == pawn && request.from_file == 0) {
            request.from_file = file(request.to);
        }
        return true;
    }
    request.promotion_kind = rest.size() == 1 ? kind_of_letter(rest[0]) : 0;
    return request.promotion_kind != 0 && request.kind == pawn;
}

int32_t CHESS_MOVE_PARSER::kind_of_letter(char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'P':
        return pawn;
    case 'N':
        return knight;
    case 'B':
        return bishop;
    case 'R':
        return rook;
    case 'Q':
        return queen;
    case 'K':
        return king;
    default:
        return 0;
    }
}

bool CHESS_MOVE_PARSER::fits(const CHESS_MOVE& m, const REQUEST& request) {
    if (request.castle_type != 0) {
        return m.type == request.castle_type;
    }
    // Coordinates name the king's own two squares for castling too, so castling fits them.
    return (request.kind == 0 || kind_of(m.piece) == request.kind) && m.dst == request.to &&
           (request.from_file == 0 || file(m.src) == request.from_file) &&
           (request.from_rank == 0 || rank(m.src) == request.from_rank) &&
           (request.promotion_kind == 0 ||
            (m.is_promotion() && kind_of(m.promoted_piece()) == request.promotion_kind));
}

void CHESS_MOVE_PARSER::fail(const std::string& message) {
    failed_ = true;
    error_message_ = message;
}
