#include "game_command.h"

int run_with_saved_game(const std::vector<std::string>& args, const std::string& command,
                        const std::function<std::string(const CHESS_GAME_FILE&)>& render,
                        std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-engine " << command << " FILE\n";
        return 2;
    }
    CHESS_GAME_FILE file(args[0]);
    file.read();
    if (file.failed()) {
        out << file.error_message() << "\n";
        return 1;
    }
    out << render(file);
    return 0;
}

int run_game_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return run_with_saved_game(
        args, "game",
        [](const CHESS_GAME_FILE& file) {
            return CHESS_GAME_FILE::text(file.game(), *file.options(), *file.nickname(),
                                         file.resigned());
        },
        out, err);
}
