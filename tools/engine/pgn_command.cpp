#include "pgn_command.h"

#include "game_command.h"
#include "saved_games/chess_pgn_writer.h"

int run_pgn_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return run_with_saved_game(
        args, "pgn",
        [](const CHESS_SAVED_GAME& saved) {
            return CHESS_PGN_WRITER::text(saved.game, saved.options, saved.nickname,
                                          saved.resigned);
        },
        out, err);
}
