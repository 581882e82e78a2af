#include "game_command.h"

#include <iostream>

int run_with_saved_game(const std::vector<std::string>& args, const std::string& command,
                        const std::function<std::string(const CHESS_SAVED_GAME&)>& render,
                        std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-engine " << command << " FILE\n";
        return 2;
    }
    // "-" and pipes such as /dev/stdin are read as they come; the reader's own check turns
    // anything else that is not a regular file away.
    const bool from_stdin = args[0] == "-" || args[0] == "/dev/stdin";
    CHESS_GAME_FILE file(from_stdin ? "stdin" : args[0]);
    if (from_stdin) {
        file.read(std::cin);
    } else {
        file.read();
    }
    if (file.failed()) {
        err << file.error_message() << "\n";
        return 1;
    }
    out << render(file.saved_game());
    return 0;
}

int run_game_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return run_with_saved_game(
        args, "game",
        [](const CHESS_SAVED_GAME& saved) {
            return CHESS_GAME_FILE::text(saved.game, saved.options, saved.nickname, saved.resigned);
        },
        out, err);
}
