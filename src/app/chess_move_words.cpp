#include "app/chess_move_words.h"

#include "rules/chess_move_parser.h"

std::string CHESS_MOVE_WORDS::piece_name(char letter) {
    switch (letter) {
    case 'N':
        return "knight";
    case 'B':
        return "bishop";
    case 'R':
        return "rook";
    case 'Q':
        return "queen";
    case 'K':
        return "king";
    default:
        return "pawn";
    }
}

std::string CHESS_MOVE_WORDS::move(const std::string& san) {
    const std::string plain = san.substr(0, san.find_first_of("+#"));
    if (plain == "O-O") {
        return "castles kingside";
    }
    if (plain == "O-O-O") {
        return "castles queenside";
    }
    const size_t promotion = plain.find('=');
    const std::string body = plain.substr(0, promotion);
    // The destination is the last square named; what comes before it only tells pieces apart.
    std::string destination;
    for (size_t i = body.size(); i >= 2 && destination.empty(); --i) {
        if (CHESS_MOVE_PARSER::is_file_letter(body[i - 2]) &&
            CHESS_MOVE_PARSER::is_rank_digit(body[i - 1])) {
            destination = body.substr(i - 2, 2);
        }
    }
    std::string words = piece_name(body.empty() ? ' ' : body.front());
    words += body.find('x') != std::string::npos ? " takes " : " ";
    words += destination;
    if (promotion != std::string::npos && promotion + 1 < plain.size()) {
        words += " promotes to " + piece_name(plain[promotion + 1]);
    }
    return words;
}

std::string CHESS_MOVE_WORDS::check(const std::string& san) {
    if (san.find('#') != std::string::npos) {
        return "checkmate";
    }
    return san.find('+') != std::string::npos ? "check" : std::string();
}
