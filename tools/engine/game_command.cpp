#include "game_command.h"

#include "saved_games/chess_game_file.h"

int run_game_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-engine game FILE\n";
        return 2;
    }
    CHESS_GAME_FILE file(args[0]);
    file.read();
    if (file.failed()) {
        out << file.error_message() << "\n";
        return 1;
    }
    out << CHESS_GAME_FILE::text(file.game(), *file.options(), *file.nickname(), file.resigned());
    return 0;
}
