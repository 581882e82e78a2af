// The review of finished games: prepared games with a known fault at a known ply, mates shown as
// mates, games of the engine's own moves, and a stop from another thread.
#include "engine/chess_game_review.h"
#include "engine/chess_search_no_thread.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace {

using KIND = CHESS_TURNING_POINT::KIND;

CHESS_GAME game_of(const std::string& moves) {
    CHESS_GAME game;
    std::istringstream words(moves);
    for (std::string word; words >> word;) {
        const std::vector<CHESS_MOVE> legal = game.legal_moves();
        const auto found = std::find_if(legal.begin(), legal.end(),
                                        [&](const CHESS_MOVE& m) { return m.uci_text() == word; });
        EXPECT_NE(found, legal.end()) << "not legal: " << word;
        if (found == legal.end()) {
            break;
        }
        game.make_move(*found);
    }
    return game;
}

// A review of game at the default depth with White as the player.
struct REVIEWED {
    explicit REVIEWED(const CHESS_GAME& game) { EXPECT_TRUE(review.run(game, 1)); }
    CHESS_GAME_REVIEW review;
};

bool has_point(const std::vector<CHESS_TURNING_POINT>& points, KIND kind, int32_t ply) {
    return std::any_of(points.begin(), points.end(),
                       [&](const auto& p) { return p.kind == kind && p.ply == ply; });
}

// A game the engine plays against itself at the review's depth; with fresh_each_move its tables
// are emptied before every move (as the review does), otherwise they carry over as in play.
CHESS_GAME engine_game(int32_t plies, bool fresh_each_move) {
    CHESS_SEARCH_NO_THREAD engine;
    engine.reset(CHESS_GAME_REVIEW::default_depth, std::chrono::hours(1), true);
    CHESS_GAME game = game_of("e2e4 c7c5 g1f3 b8c6");
    while (game.move_count() < plies && !game.is_over()) {
        if (fresh_each_move) {
            engine.reset(CHESS_GAME_REVIEW::default_depth, std::chrono::hours(1), true);
        }
        engine.search(game.board(), game.history());
        game.make_move(*engine.item());
    }
    return game;
}

} // namespace

TEST(GameReview, HungQueenIsABlunderAtItsPlyWithTheMoveThatKeptIt) {
    // 2.Qg4?? walks into the bishop's diagonal opened by 1...d5.
    const CHESS_GAME game = game_of("e2e4 d7d5 d1g4 c8g4 g1f3");
    const REVIEWED review_run(game);
    const CHESS_GAME_REVIEW& review = review_run.review;
    const CHESS_REVIEWED_PLY& blunder = review.ply(3);
    EXPECT_EQ(blunder.played, "Qg4");
    EXPECT_EQ(blunder.mark, CHESS_REVIEW_MARK::blunder);
    EXPECT_GE(blunder.loss, CHESS_GAME_REVIEW::blunder_loss);
    EXPECT_EQ(blunder.line.front(), blunder.better);

    // After the better move no black reply takes the queen.
    CHESS_GAME kept = game_of("e2e4 d7d5");
    kept.make_move(blunder.better_move);
    for (const CHESS_MOVE& reply : kept.legal_moves()) {
        EXPECT_NE(kept.board().item(reply.dst), CHESS_PIECE_CONSTANTS::white_queen)
            << blunder.better << " leaves the queen to " << reply.uci_text();
    }
    EXPECT_TRUE(has_point(review.turning_points(), KIND::blunder, 3));
    for (int32_t ply : {1, 2, 5}) {
        EXPECT_NE(review.ply(ply).mark, CHESS_REVIEW_MARK::blunder) << "ply " << ply;
    }
}

TEST(GameReview, MatesAreShownAsMatesAndMissingOneIsAMissedWin) {
    // Scholar's mate set up, then 4.d3 instead of Qxf7#.
    const CHESS_GAME missed = game_of("e2e4 e7e5 f1c4 b8c6 d1h5 g8f6 d2d3");
    const REVIEWED review_run(missed);
    const CHESS_GAME_REVIEW& review = review_run.review;
    const CHESS_REVIEWED_PLY& ply = review.ply(7);
    EXPECT_EQ(ply.mark, CHESS_REVIEW_MARK::missed_win);
    EXPECT_EQ(ply.better, "Qxf7#");
    EXPECT_EQ(ply.before.text(), "#1");
    EXPECT_FALSE(ply.after.mate);
    EXPECT_EQ(ply.loss, CHESS_GAME_REVIEW::mate_value - ply.after.centipawns);
    EXPECT_TRUE(has_point(review.turning_points(), KIND::missed_win, 7));
    // Black's 3...Nf6 allowed the mate: her worst move.
    EXPECT_TRUE(has_point(review.turning_points(), KIND::her_mistake, 6));

    // The fool's mate, seen from both sides: White walks into mate, Black gives it.
    const REVIEWED fools_run(game_of("f2f3 e7e5 g2g4 d8h4"));
    const CHESS_GAME_REVIEW& fools = fools_run.review;
    struct EXPECTED {
        int32_t ply;
        const char* after;
        CHESS_REVIEW_MARK mark;
    };
    for (const EXPECTED& e : {EXPECTED{3, "#-1", CHESS_REVIEW_MARK::blunder},
                              EXPECTED{4, "#-0", CHESS_REVIEW_MARK::best}}) {
        EXPECT_EQ(fools.ply(e.ply).after.text(), e.after) << "ply " << e.ply;
        EXPECT_EQ(fools.ply(e.ply).mark, e.mark) << "ply " << e.ply;
    }
    EXPECT_TRUE(fools.ply(3).walked_into_mate);
    EXPECT_EQ(fools.ply(4).before.text(), "#-1");
    EXPECT_EQ(fools.ply(4).played, "Qh4#");
}

TEST(GameReview, TheEngineOwnMovesAtTheReviewBudgetHaveNoBlunder) {
    for (const bool fresh : {true, false}) {
        const CHESS_GAME game = engine_game(40, fresh);
        const REVIEWED review_run(game);
        const CHESS_GAME_REVIEW& review = review_run.review;
        ASSERT_EQ(static_cast<int32_t>(review.plies().size()), game.move_count());
        for (const CHESS_REVIEWED_PLY& ply : review.plies()) {
            if (ply.ply <= 4) {
                continue; // the opening moves were not the engine's
            }
            EXPECT_NE(ply.mark, CHESS_REVIEW_MARK::blunder)
                << (fresh ? "fresh" : "carried") << " tables, ply " << ply.ply << " " << ply.played
                << " loses " << ply.loss << ", better " << ply.better;
            if (fresh) {
                EXPECT_EQ(ply.loss, 0) << "ply " << ply.ply;
            }
        }
    }
}

TEST(GameReview, TurningPointsAreFewInGameOrderAndTakeTheWorstFirst) {
    // White (the player) gives away the queen and a bishop; Black throws her queen away at the end.
    const CHESS_GAME game = game_of("e2e4 d7d5 d1g4 c8g4 f1a6 b7a6 g1f3 g4f3 g2f3 d5e4 f3e4 d8d2");
    const REVIEWED review_run(game);
    const CHESS_GAME_REVIEW& review = review_run.review;
    const std::vector<CHESS_TURNING_POINT> points = review.turning_points();
    ASSERT_LE(points.size(), CHESS_GAME_REVIEW::presented_points);
    EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                               [](const auto& a, const auto& b) { return a.ply < b.ply; }));
    const auto worst = std::max_element(
        review.plies().begin(), review.plies().end(), [](const auto& a, const auto& b) {
            return (a.side == 1 ? a.loss : -1) < (b.side == 1 ? b.loss : -1);
        });
    EXPECT_TRUE(has_point(points, KIND::blunder, worst->ply));
    EXPECT_TRUE(has_point(points, KIND::her_mistake, 12));
    EXPECT_EQ(review.turning_points(1).size(), 1u);
}

TEST(GameReview, StopFromAnotherThreadEndsTheRunWithoutResults) {
    const CHESS_GAME game = engine_game(30, true);
    CHESS_GAME_REVIEW review(12); // far too deep to finish soon
    bool finished = true;
    std::thread worker([&] { finished = review.run(game, 1); });
    review.stop();
    worker.join();
    EXPECT_FALSE(finished);
    EXPECT_TRUE(review.plies().empty());
}

TEST(GameReview, ARunBesideTheGameSearchChangesNothingOfIt) {
    const CHESS_GAME game = game_of("e2e4 c7c5 g1f3 d7d6 d2d4 c5d4 f3d4 g8f6 b1c3 a7a6");
    auto game_search = [&game] {
        CHESS_SEARCH_NO_THREAD engine;
        engine.reset(5, std::chrono::hours(1), true);
        engine.search(game.board(), game.history());
        return std::make_pair(engine.node_count(), engine.item()->uci_text());
    };
    const auto alone = game_search();

    CHESS_GAME_REVIEW review;
    bool finished = false;
    std::thread worker([&] { finished = review.run(game, 1); });
    const auto beside = game_search();
    worker.join();
    EXPECT_EQ(beside, alone);
    EXPECT_TRUE(finished);

    CHESS_GAME_REVIEW again;
    ASSERT_TRUE(again.run(game, 1));
    for (int32_t ply = 1; ply <= game.move_count(); ++ply) {
        EXPECT_EQ(review.ply(ply).after.text(), again.ply(ply).after.text()) << "ply " << ply;
        EXPECT_EQ(review.ply(ply).line, again.ply(ply).line) << "ply " << ply;
    }
}
