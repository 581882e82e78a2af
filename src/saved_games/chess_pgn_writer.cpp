#include "saved_games/chess_pgn_writer.h"

#include "rules/chess_san.h"

std::string CHESS_PGN_WRITER::text(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
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
        if (ply % 2 == 0) {
            append_token(text, line_length, std::to_string(ply / 2 + 1) + ".");
        }
        append_token(text, line_length, CHESS_SAN::text(history[ply].board, history[ply].move));
    }
    append_token(text, line_length, result);
    return text + "\n\n";
}

std::string CHESS_PGN_WRITER::result_token(const CHESS_GAME& game,
                                           const CHESS_GAME_OPTIONS& options, bool resigned) {
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

std::string CHESS_PGN_WRITER::tag(const std::string& name, const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return "[" + name + " \"" + escaped + "\"]\n";
}

// Separates the tokens by one space, breaking the line before a token that would pass the limit.
void CHESS_PGN_WRITER::append_token(std::string& text, size_t& line_length,
                                    const std::string& token) {
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
