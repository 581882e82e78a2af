// Leaf counts of the legal-move tree against the published ones. A single wrong count anywhere
// in the tree (a missed en passant, a castling through check, a promotion lost) shows up here.
#include "rules/chess_game.h"
#include "rules/chess_perft.h"
#include "rules_test_support.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct PERFT_CASE {
    std::string name;
    std::string fen;
    std::vector<int64_t> leaves; // index d - 1 holds the count at depth d
};

void PrintTo(const PERFT_CASE& c, std::ostream* os) {
    *os << c.name;
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

std::vector<PERFT_CASE> load_cases() {
    std::vector<PERFT_CASE> cases;
    std::ifstream file(VELMORA_TEST_DATA "/rules_perft.txt");
    for (std::string line; std::getline(file, line);) {
        if (trimmed(line).empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string name, fen, counts;
        std::getline(fields, name, '|');
        std::getline(fields, fen, '|');
        std::getline(fields, counts);
        PERFT_CASE c{trimmed(name), trimmed(fen), {}};
        std::istringstream numbers(counts);
        for (int64_t n = 0; numbers >> n;) {
            c.leaves.push_back(n);
        }
        cases.push_back(c);
    }
    return cases;
}

class PerftTable : public ::testing::TestWithParam<PERFT_CASE> {};

TEST(PerftTableFile, HoldsTheFivePositions) {
    EXPECT_EQ(load_cases().size(), 5u);
}

TEST_P(PerftTable, CountsMatchThePublishedOnes) {
    const PERFT_CASE& c = GetParam();
    ASSERT_FALSE(c.leaves.empty()) << c.name;
    CHESS_POSITION board = position_from_fen(c.fen);
    const CHESS_POSITION before = board;
    CHESS_PERFT perft;
    for (size_t depth = 1; depth <= c.leaves.size(); ++depth) {
        EXPECT_EQ(perft.count(board, static_cast<int32_t>(depth)), c.leaves[depth - 1])
            << c.name << " at depth " << depth;
        ASSERT_TRUE(board == before) << "perft left the board changed at depth " << depth;
    }
}

// The per-move counts add up to the total, each root move is reported once, and the root moves
// are exactly the game's legal moves in the same order.
TEST_P(PerftTable, DivideAgreesWithCountAndTheGamesLegalMoves) {
    const PERFT_CASE& c = GetParam();
    const size_t depth = std::min<size_t>(c.leaves.size(), 2);
    CHESS_POSITION board = position_from_fen(c.fen);
    std::vector<CHESS_MOVE> roots;
    int64_t sum = 0;
    CHESS_PERFT perft;
    const int64_t total =
        perft.divide(board, static_cast<int32_t>(depth), [&](const CHESS_MOVE& m, int64_t leaves) {
            roots.push_back(m);
            sum += leaves;
        });
    EXPECT_EQ(total, c.leaves[depth - 1]);
    EXPECT_EQ(sum, total);
    const CHESS_GAME game(position_from_fen(c.fen));
    EXPECT_EQ(describe(roots), describe(game.legal_moves()));
}

INSTANTIATE_TEST_SUITE_P(Published, PerftTable, ::testing::ValuesIn(load_cases()),
                         [](const ::testing::TestParamInfo<PERFT_CASE>& info) {
                             return info.param.name;
                         });

TEST(Perft, DepthZeroIsOneLeaf) {
    CHESS_POSITION board;
    board.set_initial_position();
    EXPECT_EQ(CHESS_PERFT().count(board, 0), 1);
}

} // namespace
