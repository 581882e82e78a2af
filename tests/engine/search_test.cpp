#include "engine/chess_search_no_thread.h"
#include "rules/chess_fen_reader.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

CHESS_POSITION from_fen(const std::string& fen) {
    CHESS_FEN_READER reader;
    reader.read(fen);
    EXPECT_FALSE(reader.failed()) << reader.error_message();
    return reader.position();
}

// An engine that records every completed iteration.
class RECORDING_SEARCH : public CHESS_SEARCH_NO_THREAD {
  public:
    RECORDING_SEARCH() {
        set_iteration_observer(
            [this](const CHESS_ITERATION_REPORT& report) { iterations.push_back(report); });
    }
    std::vector<CHESS_ITERATION_REPORT> iterations;
};

// An engine whose clock the test moves: it stands still until `late_from_call` reads, then
// jumps two hours ahead.
class SLOW_CLOCK_SEARCH : public RECORDING_SEARCH {
  public:
    mutable int calls = 0;
    int late_from_call = 1000000;

  protected:
    CLOCK::time_point now() const override {
        return CLOCK::time_point(++calls >= late_from_call ? 2h : 0h);
    }
};

std::string uci_line(const std::vector<CHESS_MOVE>& line) {
    std::string text;
    for (const CHESS_MOVE& m : line) {
        text += (text.empty() ? "" : " ") + m.uci_text();
    }
    return text;
}

TEST(Search, MateInOneIsFoundAndScoredByDistance) {
    RECORDING_SEARCH engine;
    engine.reset(3, 60s, true);
    engine.search(from_fen("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"), {});
    ASSERT_TRUE(engine.item().has_value());
    EXPECT_EQ(engine.item()->uci_text(), "d1d8");
    EXPECT_EQ(engine.iterations.back().score, CHESS_SEARCH::mate_base - 1);
    EXPECT_EQ(engine.statistics().best_sequence, "d1-d8+");
}

TEST(Search, MateInTwoScoresLessThanMateInOne) {
    RECORDING_SEARCH engine;
    engine.reset(5, 60s, true);
    // 1. Kb6 Kb8 2. Rh8#: mated three plies from the root.
    engine.search(from_fen("k7/8/2K5/8/8/8/8/7R w - - 0 1"), {});
    ASSERT_TRUE(engine.item().has_value());
    EXPECT_EQ(engine.iterations.back().score, CHESS_SEARCH::mate_base - 3);
}

TEST(Search, RootWithoutMovesSetsMateOrStalemate) {
    RECORDING_SEARCH engine;
    engine.reset(3, 60s, true);
    engine.search(from_fen("R5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1"), {});
    EXPECT_TRUE(engine.check_mate());
    EXPECT_FALSE(engine.stale_mate());
    EXPECT_FALSE(engine.item().has_value());
    EXPECT_EQ(engine.statistics().best_sequence, "nothing");

    engine.search(from_fen("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1"), {});
    EXPECT_TRUE(engine.stale_mate());
    EXPECT_FALSE(engine.check_mate());
    EXPECT_FALSE(engine.item().has_value());
}

TEST(Search, FiftyMoveRootDrawOnlyWhenNotInCheck) {
    RECORDING_SEARCH engine;
    engine.reset(2, 60s, false);
    engine.search(from_fen("4k3/8/8/8/8/8/R7/4K3 w - - 101 80"), {});
    EXPECT_TRUE(engine.draw());
    EXPECT_FALSE(engine.item().has_value());

    engine.search(from_fen("4k3/8/8/8/8/8/R7/4K3 w - - 100 80"), {});
    EXPECT_FALSE(engine.draw());
    EXPECT_TRUE(engine.item().has_value());

    // In check the game goes on, so the engine must still answer with a move.
    engine.search(from_fen("4k3/8/8/8/8/8/4r3/4K3 w - - 101 80"), {});
    EXPECT_FALSE(engine.draw());
    ASSERT_TRUE(engine.item().has_value());
    EXPECT_EQ(engine.item()->uci_text(), "e1e2");
}

TEST(Search, IterationsRunFromDepthTwoToMaxPly) {
    for (int32_t max_ply : {2, 3, 5}) {
        RECORDING_SEARCH engine;
        engine.reset(max_ply, 60s, true);
        CHESS_POSITION board;
        board.set_initial_position();
        engine.search(board, {});
        ASSERT_EQ(engine.iterations.size(), static_cast<size_t>(max_ply - 1));
        EXPECT_EQ(engine.iterations.front().depth, 2);
        EXPECT_EQ(engine.iterations.back().depth, max_ply);
    }
}

TEST(Search, APositionRepeatedFromTheGameScoresZero) {
    // Black is a queen down; stepping back to g8 repeats an earlier position of the game.
    CHESS_GAME game(from_fen("7k/8/8/8/8/8/8/K2Q4 b - - 0 1"));
    for (const char* text : {"h8g8", "d1d2", "g8h8", "d2d1"}) {
        for (const CHESS_MOVE& m : game.legal_moves()) {
            if (m.uci_text() == text) {
                game.make_move(m);
                break;
            }
        }
    }
    ASSERT_EQ(game.move_count(), 4);
    RECORDING_SEARCH engine;
    engine.reset(2, 60s, false);
    engine.search(game.board(), game.history());
    EXPECT_EQ(engine.iterations.back().score, 0);
    EXPECT_EQ(engine.item()->uci_text(), "h8g8");

    engine.search(game.board(), {}); // without the game's history it is just lost
    EXPECT_LT(engine.iterations.back().score, -500);
}

TEST(Search, WithoutQuiescenceADepthZeroNodeIsTheStaticEvaluation) {
    // White can take a defended pawn with the queen; at depth 2 without quiescence the recapture
    // is beyond the horizon of neither side's first reply, so the line must keep the queen.
    RECORDING_SEARCH engine;
    engine.reset(2, 60s, false);
    const CHESS_POSITION board = from_fen("4k3/8/2p5/3p4/8/8/3Q4/4K3 w - - 0 1");
    engine.search(board, {});
    EXPECT_NE(engine.item()->uci_text(), "d2d5");
}

TEST(Search, StatisticsAfterResetAndAfterASearch) {
    RECORDING_SEARCH engine;
    engine.reset(3, 60s, true);
    EXPECT_EQ(engine.statistics().best_sequence, "N/A");
    EXPECT_EQ(engine.statistics().nodes_per_second, 0);
    EXPECT_FALSE(engine.statistics().nodes_per_second_measured);
    EXPECT_FALSE(engine.statistics().last_nps_measured);
    EXPECT_EQ(engine.statistics().last_node_count, 0);
    EXPECT_EQ(engine.statistics().total_hash_slots, 1000777);

    CHESS_POSITION board;
    board.set_initial_position();
    engine.search(board, {});
    const CHESS_STATISTICS& statistics = engine.statistics();
    EXPECT_EQ(statistics.last_node_count, engine.node_count());
    // A search this short may take less than a millisecond; its rates are measured all the same.
    EXPECT_TRUE(statistics.last_nps_measured);
    EXPECT_TRUE(statistics.nodes_per_second_measured);
    EXPECT_GT(statistics.last_nps, 0);
    EXPECT_GT(statistics.nodes_per_second, 0);
    EXPECT_GT(statistics.hash_slots_used, 0);
    EXPECT_NE(statistics.best_sequence, "N/A");
    EXPECT_EQ(statistics.best_sequence.substr(0, 5), engine.item()->uci_text().substr(0, 2) + "-" +
                                                         engine.item()->uci_text().substr(2, 2));
}

TEST(Search, FixedDepthSearchesArePinnedNodeForNode) {
    struct CASE {
        const char* fen;
        int32_t depth;
        bool qsearch;
        int64_t nodes;
        const char* line;
    };
    const CASE cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4, true, 3947,
         "d2d4 d7d5 b1c3 g8f6"},
        {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3, true, 210261,
         "e2a6 b4c3 d2c3"},
        {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, false, 6118, "b4f4 h4g3 f4f7 g3g2 f7c7"},
    };
    for (const CASE& c : cases) {
        RECORDING_SEARCH engine;
        engine.reset(c.depth, 1h, c.qsearch);
        engine.search(from_fen(c.fen), {});
        EXPECT_EQ(engine.node_count(), c.nodes) << c.fen;
        EXPECT_EQ(uci_line(engine.iterations.back().line), c.line) << c.fen;
    }
}

TEST(Search, ATimeOutKeepsTheLastCompletedIteration) {
    SLOW_CLOCK_SEARCH engine;
    engine.reset(40, 10s, true);
    engine.late_from_call = 3; // the search's begin, then the first deadline check runs late
    engine.search(from_fen("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"),
                  {});
    ASSERT_FALSE(engine.iterations.empty());
    ASSERT_TRUE(engine.item().has_value());
    EXPECT_EQ(*engine.item(), engine.iterations.back().line.front());
    EXPECT_GE(engine.node_count(), CHESS_SEARCH_LIMITS::level_clock_interval);
    EXPECT_EQ(engine.statistics().last_node_count, engine.node_count());
}

const char* const kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

TEST(Search, AStopBeforeTheFirstIterationStillAnswersALegalMove) {
    RECORDING_SEARCH engine;
    engine.reset(40, 1h, true);
    engine.terminate();
    const CHESS_POSITION board = from_fen(kiwipete);
    engine.search(board, {});
    EXPECT_TRUE(engine.iterations.empty());
    EXPECT_EQ(engine.node_count(), CHESS_SEARCH::pump_interval);
    ASSERT_TRUE(engine.item().has_value());
    const std::vector<CHESS_MOVE> legal = CHESS_GAME(board).legal_moves();
    EXPECT_NE(std::find(legal.begin(), legal.end(), *engine.item()), legal.end());
    EXPECT_EQ(engine.statistics().best_sequence, "nothing");
    EXPECT_FALSE(engine.searching());
}

// Budgets that must not be overrun end even the first iteration, and the answer is then the best
// root move found so far, or the first legal move (of those allowed) when none was searched yet.
TEST(Search, NodeAndClockBudgetsEndTheFirstIteration) {
    const CHESS_POSITION board = from_fen(kiwipete);
    const std::vector<CHESS_MOVE> legal = CHESS_GAME(board).legal_moves();
    CHESS_SEARCH_LIMITS limits;
    limits.max_ply = 40;
    limits.want_qsearch = true;

    RECORDING_SEARCH engine;
    limits.node_limit = 1;
    engine.set_limits(limits);
    engine.search(board, {});
    EXPECT_EQ(engine.node_count(), 1);
    EXPECT_TRUE(engine.iterations.empty());
    EXPECT_EQ(engine.item(), legal.front());

    limits.root_moves = {legal[5], legal[7]};
    engine.set_limits(limits);
    engine.search(board, {});
    EXPECT_EQ(engine.item(), legal[5]);

    limits.root_moves.clear();
    limits.node_limit = 3000; // more than one root move, less than the iteration
    engine.set_limits(limits);
    engine.search(board, {});
    EXPECT_EQ(engine.node_count(), 3000);
    EXPECT_TRUE(engine.iterations.empty());
    ASSERT_TRUE(engine.item().has_value());
    EXPECT_NE(std::find(legal.begin(), legal.end(), *engine.item()), legal.end());

    SLOW_CLOCK_SEARCH late;
    late.late_from_call = 2; // the first clock reading after the start is past the deadline
    limits.node_limit = 0;
    limits.time_limit = 5ms;
    limits.first_iteration_completes = false;
    limits.clock_interval = CHESS_SEARCH_LIMITS::fine_clock_interval;
    late.set_limits(limits);
    late.search(board, {});
    EXPECT_EQ(late.node_count(), CHESS_SEARCH_LIMITS::fine_clock_interval);
    EXPECT_TRUE(late.iterations.empty());
    ASSERT_TRUE(late.item().has_value());
    EXPECT_NE(std::find(legal.begin(), legal.end(), *late.item()), legal.end());
}

TEST(Search, IterationTimeStopsBeforeTheNextIteration) {
    SLOW_CLOCK_SEARCH engine;
    CHESS_SEARCH_LIMITS limits;
    limits.max_ply = 40;
    limits.iteration_time = 1h;
    limits.first_iteration_completes = false;
    engine.late_from_call = 3; // start, first report; then the clock has passed the hour
    engine.set_limits(limits);
    engine.search(from_fen(kiwipete), {});
    ASSERT_EQ(engine.iterations.size(), 1u);
    EXPECT_EQ(engine.item(), engine.iterations.front().line.front());
}

TEST(Search, DepthOneIsARealOnePlySearch) {
    RECORDING_SEARCH engine;
    engine.reset(1, 60s, true);
    // Only a one-ply search sees that the rook can take the queen.
    engine.search(from_fen("4k3/8/8/3q4/8/8/8/3RK3 w - - 0 1"), {});
    ASSERT_EQ(engine.iterations.size(), 1u);
    EXPECT_EQ(engine.iterations.front().depth, 1);
    EXPECT_EQ(engine.item()->uci_text(), "d1d5");
}

TEST(Search, AMateLimitEndsOnceTheMateIsProven) {
    RECORDING_SEARCH engine;
    CHESS_SEARCH_LIMITS limits;
    limits.max_ply = 12;
    limits.want_qsearch = true;
    limits.mate_moves = 2;
    engine.set_limits(limits);
    engine.search(from_fen("k7/8/2K5/8/8/8/8/7R w - - 0 1"), {});
    ASSERT_FALSE(engine.iterations.empty());
    EXPECT_EQ(engine.iterations.back().depth, 4);
    EXPECT_EQ(engine.iterations.back().score, CHESS_SEARCH::mate_base - 3);
    EXPECT_GE(engine.iterations.back().selective_depth, 4);
}

TEST(Search, PlayingOnPastTheFiftyMoveLimit) {
    RECORDING_SEARCH engine;
    CHESS_SEARCH_LIMITS limits;
    limits.max_ply = 3;
    limits.fifty_move_draw = false;
    engine.set_limits(limits);
    // Taking the rook resets the count and wins; every other move stays a draw.
    engine.search(from_fen("4k3/8/8/8/8/8/r7/R3K3 w - - 101 80"), {});
    EXPECT_FALSE(engine.draw());
    ASSERT_TRUE(engine.item().has_value());
    EXPECT_EQ(engine.item()->uci_text(), "a1a2");
}

TEST(Search, AMatedRootSearchesNoIteration) {
    RECORDING_SEARCH engine;
    engine.reset(40, 60s, true);
    engine.search(from_fen("R5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1"), {});
    EXPECT_TRUE(engine.check_mate());
    EXPECT_TRUE(engine.iterations.empty());
}

TEST(Search, AnEscapingFailureLeavesTheEngineIdle) {
    RECORDING_SEARCH engine;
    engine.reset(3, 60s, true);
    engine.set_iteration_observer(
        [](const CHESS_ITERATION_REPORT&) { throw std::runtime_error("observer failed"); });
    CHESS_POSITION board;
    board.set_initial_position();
    EXPECT_THROW(engine.search(board, {}), std::runtime_error);
    EXPECT_FALSE(engine.searching());
}

TEST(Search, PvTextWritesEachMoveInItsPositionAndMarksMisfits) {
    CHESS_POSITION board;
    board.set_initial_position();
    const CHESS_MOVE e4(CHESS_MOVE::move_pawn_double, 1, 13, 29);
    const CHESS_MOVE e5(CHESS_MOVE::move_pawn_double, 7, 53, 37);
    const CHESS_MOVE ghost(CHESS_MOVE::move_normal, 5, 20, 40); // no queen on d3
    EXPECT_EQ(CHESS_SEARCH::pv_text({e4, ghost, e5}, board), "e2-e4, INV, e7-e5");
    EXPECT_EQ(CHESS_SEARCH::pv_text({}, board), "nothing");
    CHESS_POSITION fresh;
    fresh.set_initial_position();
    EXPECT_EQ(board, fresh);
}

} // namespace

// Going easy, she plays moves up to the margin worse than her best: the opening move varies with
// the seed, a queen for nothing or a mate in one still stands out, and one seed plays one game.
TEST(Search, GoingEasyVariesWithinTheMargin) {
    const auto first_move = [](const std::string& fen, int32_t seed) {
        RECORDING_SEARCH engine;
        engine.reset(2, 1h, false);
        engine.set_root_margin(300);
        engine.seed_root_bonus(seed);
        engine.search(from_fen(fen), {});
        return engine.item() ? engine.item()->uci_text() : "none";
    };
    const std::string start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
    std::vector<std::string> openings;
    for (int32_t seed = 1; seed <= 10; ++seed) {
        openings.push_back(first_move(start, seed));
        EXPECT_EQ(first_move(start, seed), openings.back()) << "seed " << seed;
    }
    std::sort(openings.begin(), openings.end());
    EXPECT_GE(std::unique(openings.begin(), openings.end()) - openings.begin(), 3);

    const struct {
        const char* fen;
        const char* move;
    } clear_cases[] = {
        {"3q2k1/5pp1/7p/8/8/8/5PPP/3R2K1 w - - 0 1", "d1d8"}, // the queen for nothing
        {"6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", "d1d8"},    // mate in one
    };
    for (const auto& c : clear_cases) {
        for (int32_t seed = 1; seed <= 10; ++seed) {
            EXPECT_EQ(first_move(c.fen, seed), c.move) << c.fen << " seed " << seed;
        }
    }
}
