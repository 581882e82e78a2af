#include "pgn_command.h"

#include "game_command.h"
#include "saved_games/chess_pgn_writer.h"

int run_pgn_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return run_with_saved_game(
        args, "pgn",
        [](const CHESS_GAME_FILE& file) {
            return CHESS_PGN_WRITER::text(file.game(), *file.options(), *file.nickname(),
                                          file.resigned());
        },
        out, err);
}
