// velmora-engine: the chess engine for other programs and for us. Subcommands are dispatched
// from here; with no subcommand the engine speaks UCI.
#include "bench_command.h"
#include "chess_uci_engine.h"
#include "game_command.h"
#include "perft_command.h"
#include "pgn_command.h"
#include "review_command.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

int run_uci() {
    CHESS_UCI_ENGINE engine(std::cout);
    for (std::string line; std::getline(std::cin, line);) {
        if (!engine.handle(line)) {
            return 0;
        }
    }
    engine.quit();
    return 0;
}

} // namespace

constexpr const char* usage =
    "usage: velmora-engine [perft DEPTH [FEN] | bench | game FILE | pgn FILE |\n"
    "                       review FILE [--depth N]]\n"
    "  with no command: a UCI engine on standard input and output\n"
    "  game, pgn, review: FILE may be - for standard input\n";

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return run_uci();
    }
    if (args[0] == "--help" || args[0] == "-h") {
        std::cout << usage;
        return 0;
    }
    if (args[0] == "bench" && args.size() == 1) {
        return run_bench_command(std::cout);
    }
    if (args[0] == "perft") {
        return run_perft_command({args.begin() + 1, args.end()}, std::cout, std::cerr);
    }
    if (args[0] == "game") {
        return run_game_command({args.begin() + 1, args.end()}, std::cout, std::cerr);
    }
    if (args[0] == "review") {
        return run_review_command({args.begin() + 1, args.end()}, std::cout, std::cerr);
    }
    if (args[0] == "pgn") {
        return run_pgn_command({args.begin() + 1, args.end()}, std::cout, std::cerr);
    }
    std::cerr << usage;
    return 2;
}
