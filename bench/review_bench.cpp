// The review of a whole game at the default depth, the wait a player sees after "Shall we look at
// the game together?". The game is forty moves of a shallow engine, played once before timing.
#include "engine/chess_game_review.h"
#include "engine/chess_search_no_thread.h"

#include <benchmark/benchmark.h>

namespace {

CHESS_GAME forty_move_game() {
    CHESS_SEARCH_NO_THREAD engine;
    engine.reset(3, std::chrono::hours(1), true);
    CHESS_GAME game;
    while (game.move_count() < 80 && !game.is_over()) {
        engine.search(game.board(), game.history());
        game.make_move(*engine.item());
    }
    return game;
}

void review_forty_moves(benchmark::State& state) {
    const CHESS_GAME game = forty_move_game();
    for (auto _ : state) {
        CHESS_GAME_REVIEW review(static_cast<int32_t>(state.range(0)));
        benchmark::DoNotOptimize(review.run(game, CHESS_GENERAL_CONSTANTS::white));
    }
    state.counters["plies"] = static_cast<double>(game.move_count());
}
BENCHMARK(review_forty_moves)
    ->Arg(CHESS_GAME_REVIEW::default_depth)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace
