#include "rules/chess_fen_reader.h"

#include <charconv>
#include <sstream>
#include <vector>

namespace {

int32_t piece_of_letter(char letter) {
    static constexpr char letters[] = "PBNRQKpbnrqk";
    for (int32_t i = 0; i < 12; ++i) {
        if (letters[i] == letter) {
            return i + 1;
        }
    }
    return 0;
}

bool read_count(const std::string& text, int32_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && ptr == end && value >= 0;
}

} // namespace

bool CHESS_FEN_READER::fail(const std::string& message) {
    failed_ = true;
    error_message_ = "invalid FEN: " + message;
    return false;
}

void CHESS_FEN_READER::read(const std::string& fen) {
    failed_ = false;
    error_message_.clear();
    position_.clear();

    std::istringstream stream(fen);
    std::vector<std::string> fields;
    for (std::string field; stream >> field;) {
        fields.push_back(field);
    }
    if (fields.size() < 4 || fields.size() > 6) {
        fail("expected 4 to 6 fields, found " + std::to_string(fields.size()));
        return;
    }
    fields.resize(6);
    const bool ok = read_placement(fields[0]) && read_side(fields[1]) && read_castling(fields[2]) &&
                    read_en_passant(fields[3]) && read_counters(fields[4], fields[5]) &&
                    check_position();
    if (!ok) {
        position_.clear();
    }
}

bool CHESS_FEN_READER::read_placement(const std::string& field) {
    int32_t rank = 8;
    int32_t file = 1;
    for (char c : field) {
        if (c == '/') {
            if (file != 9) {
                return fail("rank " + std::to_string(rank) + " does not have 8 squares");
            }
            if (--rank < 1) {
                return fail("more than 8 ranks");
            }
            file = 1;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 9) {
                return fail("rank " + std::to_string(rank) + " has more than 8 squares");
            }
        } else if (const int32_t p = piece_of_letter(c); p != 0) {
            if (file > 8) {
                return fail("rank " + std::to_string(rank) + " has more than 8 squares");
            }
            if (kind_of(p) == pawn && (rank == 1 || rank == 8)) {
                return fail("pawn on " + square_name(square(file, rank)));
            }
            if ((p == white_king && position_.white_king_square != 0) ||
                (p == black_king && position_.black_king_square != 0)) {
                return fail("more than one " + side_name(side_of(p)) + " king");
            }
            position_.put_piece(square(file, rank), p);
            ++file;
        } else {
            return fail(std::string("unexpected character '") + c + "' in the piece placement");
        }
    }
    if (rank != 1 || file != 9) {
        return fail("the piece placement does not describe 8 ranks of 8 squares");
    }
    if (position_.white_king_square == 0 || position_.black_king_square == 0) {
        return fail("each side needs a king");
    }
    return true;
}

bool CHESS_FEN_READER::read_side(const std::string& field) {
    if (field == "w" || field == "b") {
        position_.side_to_move = field == "w" ? white : black;
        return true;
    }
    return fail("side to move must be 'w' or 'b', not '" + field + "'");
}

bool CHESS_FEN_READER::read_castling(const std::string& field) {
    CHESS_STATE& state = position_.state;
    state.white_kingside = state.white_queenside = false;
    state.black_kingside = state.black_queenside = false;
    if (field == "-") {
        return true;
    }
    for (char c : field) {
        const bool is_white = c == 'K' || c == 'Q';
        const bool kingside = c == 'K' || c == 'k';
        if (!is_white && c != 'k' && c != 'q') {
            return fail(std::string("unexpected castling letter '") + c + "'");
        }
        const int32_t side = is_white ? white : black;
        const int32_t king_home = is_white ? e1 : e8;
        const int32_t rook_home = is_white ? (kingside ? h1 : a1) : (kingside ? h8 : a8);
        if (position_.item(king_home) != piece(king, side) ||
            position_.item(rook_home) != piece(rook, side)) {
            return fail(std::string("castling right '") + c + "' without king on " +
                        square_name(king_home) + " and rook on " + square_name(rook_home));
        }
        bool& right = is_white ? (kingside ? state.white_kingside : state.white_queenside)
                               : (kingside ? state.black_kingside : state.black_queenside);
        right = true;
    }
    return true;
}

bool CHESS_FEN_READER::read_en_passant(const std::string& field) {
    if (field == "-") {
        return true;
    }
    const bool well_formed = field.size() == 2 && field[0] >= 'a' && field[0] <= 'h' &&
                             (field[1] == '3' || field[1] == '6');
    if (!well_formed) {
        return fail("invalid en-passant square '" + field + "'");
    }
    const int32_t target = square(field[0] - 'a' + 1, field[1] - '0');
    const int32_t mover = field[1] == '3' ? white : black;
    const int32_t pawn_square = mover == white ? target + 8 : target - 8;
    const int32_t start_square = mover == white ? target - 8 : target + 8;
    if (position_.side_to_move == mover || position_.item(pawn_square) != piece(pawn, mover) ||
        position_.is_occupied(target) || position_.is_occupied(start_square)) {
        return fail("en-passant square '" + field + "' does not follow a double pawn step");
    }
    position_.state.set_double_move(mover, pawn_square);
    return true;
}

bool CHESS_FEN_READER::read_counters(const std::string& halfmove, const std::string& fullmove) {
    if (!halfmove.empty() && !read_count(halfmove, position_.state.fifty_counter)) {
        return fail("invalid half-move counter '" + halfmove + "'");
    }
    int32_t number = 0;
    if (!fullmove.empty() && !read_count(fullmove, number)) {
        return fail("invalid move number '" + fullmove + "'");
    }
    return true;
}

bool CHESS_FEN_READER::check_position() {
    if (position_.in_check(opponent(position_.side_to_move))) {
        return fail("the side not to move is in check");
    }
    return true;
}
