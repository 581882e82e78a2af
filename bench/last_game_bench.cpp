// The last game is written after every ply on the window's thread, so one write must stay far
// below what a player notices (a frame, about 16 ms). This measures the whole write of a long
// game as the game does it: text, temporary file, flush to the disk, rename, folder flush.
#include "saved_games/chess_game_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// A game of plies moves: the first legal move each time, which keeps it going a long while.
CHESS_GAME long_game(int plies) {
    CHESS_GAME game;
    for (int i = 0; i < plies && !game.is_over(); ++i) {
        game.make_move(game.legal_moves().front());
    }
    return game;
}

void last_game_write(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "velmora_last_game_bench";
    std::filesystem::create_directories(folder);
    const CHESS_GAME game = long_game(static_cast<int>(state.range(0)));
    CHESS_GAME_FILE file((folder / "lastgame.txt").string());
    for (auto _ : state) {
        file.write(game, CHESS_GAME_OPTIONS(), "player", false);
        if (file.failed()) {
            state.SkipWithError(file.error_message().c_str());
            break;
        }
    }
    state.counters["plies"] = static_cast<double>(game.move_count());
    std::filesystem::remove_all(folder);
}
BENCHMARK(last_game_write)->Arg(80)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace
