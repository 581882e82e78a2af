// Micro-benchmarks of the hot paths: generation with make and unmake (perft), and a fixed-depth
// search. `velmora-engine perft 6` and `velmora-engine bench` are the whole-program figures.
#include "engine/chess_search_no_thread.h"
#include "rules/chess_fen_reader.h"
#include "rules/chess_perft.h"

#include <benchmark/benchmark.h>

namespace {

CHESS_POSITION position(const char* fen) {
    CHESS_FEN_READER reader;
    reader.read(fen);
    return reader.position();
}

constexpr const char* kiwipete =
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

void perft_leaves(benchmark::State& state) {
    CHESS_POSITION board = position(kiwipete);
    CHESS_PERFT perft;
    int64_t leaves = 0;
    for (auto _ : state) {
        leaves += perft.count(board, static_cast<int32_t>(state.range(0)));
    }
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}
BENCHMARK(perft_leaves)->Arg(3)->Unit(benchmark::kMillisecond);

void search_nodes(benchmark::State& state) {
    const CHESS_POSITION board = position(kiwipete);
    CHESS_SEARCH_NO_THREAD engine;
    int64_t nodes = 0;
    for (auto _ : state) {
        engine.reset(static_cast<int32_t>(state.range(0)), std::chrono::hours(1), true);
        engine.search(board, {});
        nodes += engine.node_count();
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(search_nodes)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace
