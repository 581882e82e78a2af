// velmora-engine: the chess engine for other programs and for us. Subcommands are dispatched
// from here; with no subcommand the engine speaks UCI.
#include <iostream>
#include <string>
#include <vector>

#include "perft_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "perft") {
        return run_perft_command({args.begin() + 1, args.end()}, std::cout, std::cerr);
    }
    std::cerr << "usage: velmora-engine perft DEPTH [FEN]\n";
    return 2;
}
