// The opening book as the computer and the chat use it: names by position (whatever the move
// order), continuations weighted towards the main lines, draws that repeat with their seed.
#include "engine/chess_opening_book.h"
#include "rules/chess_game.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

CHESS_GAME game_of(const std::vector<std::string>& moves) {
    CHESS_GAME game;
    for (const std::string& text : moves) {
        const std::vector<CHESS_MOVE> legal = game.legal_moves();
        const auto m = std::find_if(legal.begin(), legal.end(),
                                    [&](const CHESS_MOVE& c) { return c.uci_text() == text; });
        EXPECT_NE(m, legal.end()) << "illegal move " << text;
        if (m != legal.end()) {
            game.make_move(*m);
        }
    }
    return game;
}

int32_t weight_of(const std::vector<CHESS_OPENING_BOOK::CONTINUATION>& offered,
                  const std::string& move) {
    for (const CHESS_OPENING_BOOK::CONTINUATION& c : offered) {
        if (c.move.uci_text() == move) {
            return c.weight;
        }
    }
    return 0;
}

const CHESS_OPENING_BOOK& book = CHESS_OPENING_BOOK::instance();

} // namespace

TEST(OpeningBook, NamesThePositionWhateverTheMoveOrder) {
    struct CASE {
        std::vector<std::string> moves;
        std::string name;
    };
    const std::vector<CASE> cases = {
        {{"e2e4", "c7c5"}, "Sicilian Defense"},
        {{"e2e4", "c7c5", "g1f3", "d7d6", "d2d4", "c5d4", "f3d4", "g8f6", "b1c3", "a7a6"},
         "Sicilian Defense: Najdorf Variation"},
        {{"e2e4", "e7e5", "g1f3", "b8c6", "f1b5"}, "Ruy Lopez"},
        {{"d2d4", "d7d5", "c2c4"}, "Queen's Gambit"},
        {{"g1f3", "d7d5", "c2c4"}, "Réti Opening"},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(book.name(game_of(c.moves).board()), c.name) << c.moves.back();
    }
}

TEST(OpeningBook, OffersLegalContinuationsWeightedTowardsTheMainLines) {
    EXPECT_GT(book.line_count(), 2000);
    const CHESS_GAME start;
    const std::vector<CHESS_OPENING_BOOK::CONTINUATION>& offered =
        book.continuations(start.board());
    const std::vector<CHESS_MOVE> legal = start.legal_moves();
    for (const CHESS_OPENING_BOOK::CONTINUATION& c : offered) {
        EXPECT_NE(std::find(legal.begin(), legal.end(), c.move), legal.end()) << c.move.uci_text();
        EXPECT_GT(c.weight, 0);
    }
    EXPECT_GT(weight_of(offered, "e2e4"), 10 * weight_of(offered, "a2a3"));
    EXPECT_GT(weight_of(offered, "d2d4"), 10 * weight_of(offered, "g2g4"));
}

TEST(OpeningBook, OutOfTheBookThereIsNothing) {
    const CHESS_GAME game = game_of({"h2h4", "h7h5", "a2a4", "a7a5", "h1h3", "a8a6", "a1a3"});
    KWO_RANDOM random(7);
    EXPECT_TRUE(book.continuations(game.board()).empty());
    EXPECT_FALSE(book.name(game.board()));
    EXPECT_FALSE(book.choose(game.board(), random));
}

TEST(OpeningBook, DrawsVaryWithTheSeedAndRepeatWithIt) {
    const CHESS_GAME game = game_of({"e2e4"});
    const std::vector<CHESS_OPENING_BOOK::CONTINUATION>& offered = book.continuations(game.board());
    std::set<std::string> replies;
    for (int32_t seed = 1; seed <= 20; ++seed) {
        KWO_RANDOM first(seed);
        KWO_RANDOM again(seed);
        const std::optional<CHESS_MOVE> m = book.choose(game.board(), first);
        ASSERT_TRUE(m);
        EXPECT_EQ(book.choose(game.board(), again), m);
        EXPECT_GT(weight_of(offered, m->uci_text()), 0);
        replies.insert(m->uci_text());
    }
    EXPECT_GE(replies.size(), 2u);
}
