#include "bench_command.h"

#include "engine/chess_search_no_thread.h"
#include "rules/chess_fen_reader.h"

#include <chrono>
#include <cmath>

namespace {

constexpr int32_t bench_depth = 6;

// Openings, middle games, endgames with promotions, and mates to find.
constexpr const char* bench_positions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP2BPPP/R2QKB1R w KQ - 0 8",
    "2r3k1/pp3ppp/2n1b3/3pP3/3P4/P1N2N2/1P3PPP/2R3K1 b - - 0 20",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "8/5P2/8/8/8/2k5/6p1/4K3 w - - 0 1",
    "8/8/4k3/8/2p5/8/1P2K3/8 w - - 0 1",
    "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1",
    "r1b1k2r/ppppnppp/2n2q2/2b5/3NP3/2P1B3/PP3PPP/RN1QKB1R w KQkq - 0 7",
};

} // namespace

int run_bench_command(std::ostream& out) {
    CHESS_SEARCH_NO_THREAD engine;
    int64_t total = 0;
    const auto started = std::chrono::steady_clock::now();
    for (const char* fen : bench_positions) {
        CHESS_FEN_READER reader;
        reader.read(fen);
        engine.reset(bench_depth, std::chrono::hours(1), true);
        engine.search(reader.position(), {});
        out << fen << ": " << engine.node_count() << "\n";
        total += engine.node_count();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    out << "\nNodes searched: " << total << "\n";
    out << "Nodes/second: " << std::llround(seconds > 0 ? total / seconds : 0.0) << "\n";
    return 0;
}
