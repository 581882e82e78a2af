#include "pgn_command.h"

#include "game_command.h"

namespace {

using PIECES = CHESS_PIECE_CONSTANTS;
using SQUARES = CHESS_SQUARE_CONSTANTS;

constexpr size_t line_limit = 79;

char piece_letter(int32_t kind) {
    constexpr char letters[7] = {' ', ' ', 'B', 'N', 'R', 'Q', 'K'};
    return letters[kind];
}

char file_letter(int32_t s) {
    return static_cast<char>('a' + SQUARES::file(s) - 1);
}
char rank_digit(int32_t s) {
    return static_cast<char>('0' + SQUARES::rank(s));
}

// What must follow the piece letter so that no other piece of the same kind reaching the same
// square fits: nothing, the file, the rank, or both.
std::string disambiguation(const CHESS_GAME& game, const CHESS_MOVE& m) {
    bool ambiguous = false;
    bool same_file = false;
    bool same_rank = false;
    for (const CHESS_MOVE& other : game.legal_moves()) {
        if (other.piece != m.piece || other.dst != m.dst || other.src == m.src) {
            continue;
        }
        ambiguous = true;
        same_file = same_file || SQUARES::file(other.src) == SQUARES::file(m.src);
        same_rank = same_rank || SQUARES::rank(other.src) == SQUARES::rank(m.src);
    }
    if (!ambiguous) {
        return "";
    }
    if (!same_file) {
        return {file_letter(m.src)};
    }
    if (!same_rank) {
        return {rank_digit(m.src)};
    }
    return SQUARES::square_name(m.src);
}

std::string check_mark(const CHESS_GAME& game, const CHESS_MOVE& m) {
    // A game from the current board alone: copying the history would make long games quadratic.
    CHESS_GAME after(game.board());
    after.make_move(m);
    if (after.check_mate()) {
        return "#";
    }
    return after.board().in_check(after.side_to_move()) ? "+" : "";
}

std::string result_token(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options, bool resigned) {
    if (game.check_mate()) {
        return game.side_to_move() == CHESS_GENERAL_CONSTANTS::white ? "0-1" : "1-0";
    }
    if (game.stale_mate() || game.draw()) {
        return "1/2-1/2";
    }
    if (resigned) {
        return options.player_color == CHESS_GENERAL_CONSTANTS::white ? "0-1" : "1-0";
    }
    return "*";
}

std::string tag(const std::string& name, const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return "[" + name + " \"" + escaped + "\"]\n";
}

// Appends the movetext tokens, breaking lines before they pass the PGN line limit.
void append_token(std::string& text, size_t& line_length, const std::string& token) {
    if (line_length > 0 && line_length + 1 + token.size() > line_limit) {
        text += "\n";
        line_length = 0;
    } else if (line_length > 0) {
        text += " ";
        ++line_length;
    }
    text += token;
    line_length += token.size();
}

} // namespace

std::string san_text(const CHESS_GAME& game, const CHESS_MOVE& m) {
    if (m.type == CHESS_MOVE::move_castle_kingside || m.type == CHESS_MOVE::move_castle_queenside) {
        return (m.type == CHESS_MOVE::move_castle_kingside ? "O-O" : "O-O-O") + check_mark(game, m);
    }
    const int32_t kind = PIECES::kind_of(m.piece);
    const bool capture = m.type == CHESS_MOVE::move_en_passant || game.board().is_occupied(m.dst);
    std::string text;
    if (kind == PIECES::pawn) {
        text = capture ? std::string{file_letter(m.src), 'x'} : "";
    } else {
        text = piece_letter(kind) + disambiguation(game, m) + (capture ? "x" : "");
    }
    text += SQUARES::square_name(m.dst);
    if (m.is_promotion()) {
        text += std::string("=") + piece_letter(PIECES::kind_of(m.promoted_piece()));
    }
    return text + check_mark(game, m);
}

std::string pgn_text(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
                     const std::string& nickname, bool resigned) {
    const bool player_white = options.player_color == CHESS_GENERAL_CONSTANTS::white;
    const std::string result = result_token(game, options, resigned);
    std::string text =
        tag("Event", "Velmora Chess game") + tag("Site", "?") + tag("Date", "????.??.??") +
        tag("Round", "-") + tag("White", player_white ? nickname : "Computer") +
        tag("Black", player_white ? "Computer" : nickname) + tag("Result", result) + "\n";
    size_t line_length = 0;
    const std::vector<CHESS_GAME_HISTORY_ITEM>& history = game.history();
    for (size_t ply = 0; ply < history.size(); ++ply) {
        // Each move is written from the board it was played on; no second history is built.
        const CHESS_GAME before(history[ply].board);
        if (ply % 2 == 0) {
            append_token(text, line_length, std::to_string(ply / 2 + 1) + ".");
        }
        append_token(text, line_length, san_text(before, history[ply].move));
    }
    append_token(text, line_length, result);
    return text + "\n\n";
}

int run_pgn_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return run_with_saved_game(
        args, "pgn",
        [](const CHESS_GAME_FILE& file) {
            return pgn_text(file.game(), *file.options(), *file.nickname(), file.resigned());
        },
        out, err);
}
