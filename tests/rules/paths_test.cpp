// Generation order and the attack rules that the precomputed paths decide. The order matters:
// it is the order in which the search tries quiet moves, so a path in the wrong order changes
// every search result without changing any perft count.
#include "rules_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using STRINGS = std::vector<std::string>;

enum : int32_t { WP = 1, WB, WN, WR, WQ, WK, BP, BB, BN, BR, BQ, BK };

TEST(PathOrder, KnightInTheCornerGoesB3ThenC2) {
    CHESS_POSITION board = board_with({{"a1", WN}, {"h1", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(board, "a1"), (STRINGS{"a1b3", "a1c2"}));
}

TEST(PathOrder, KnightInTheMiddleFollowsTheFixedStepOrder) {
    CHESS_POSITION board = board_with({{"d4", WN}, {"h1", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(board, "d4"),
              (STRINGS{"d4e6", "d4c6", "d4e2", "d4c2", "d4f5", "d4b5", "d4f3", "d4b3"}));
}

TEST(PathOrder, KingNeighboursRunFromSouthWestToNorthEast) {
    CHESS_POSITION corner = board_with({{"a1", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(corner, "a1"), (STRINGS{"a1b1", "a1a2", "a1b2"}));
    CHESS_POSITION middle = board_with({{"d4", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(middle, "d4"),
              (STRINGS{"d4c3", "d4d3", "d4e3", "d4c4", "d4e4", "d4c5", "d4d5", "d4e5"}));
}

// The queen's rays: diagonals NW, NE, SW, SE then straights N, E, W, S for White; Black walks
// SW, SE, NW, NE then S, E, W, N.
TEST(PathOrder, QueenRaysOfEachColour) {
    CHESS_POSITION w = board_with({{"b2", WQ},
                                   {"a8", WK},
                                   {"h8", BK},
                                   {"d4", WP},
                                   {"b4", WP},
                                   {"d2", WP},
                                   {"b1", WN},
                                   {"a2", WN}});
    EXPECT_EQ(moves_from(w, "b2"), (STRINGS{"b2a3", "b2c3", "b2a1", "b2c1", "b2b3", "b2c2"}));
    CHESS_POSITION b = board_with({{"g7", BQ},
                                   {"a1", WK},
                                   {"h1", BK},
                                   {"e5", BP},
                                   {"g5", BP},
                                   {"e7", BP},
                                   {"g8", BN},
                                   {"h7", BN}},
                                  2);
    EXPECT_EQ(moves_from(b, "g7"), (STRINGS{"g7f6", "g7h6", "g7f8", "g7h8", "g7g6", "g7f7"}));
}

TEST(PathOrder, BlackGeneratesFromH8DownToA1) {
    CHESS_POSITION board = board_with({{"a1", WK}, {"a8", BN}, {"h8", BK}, {"h3", BN}}, 2);
    CHESS_MOVGEN generator;
    std::vector<int32_t> sources;
    for (const CHESS_MOVE& m : returned_moves(generator, board)) {
        if (sources.empty() || sources.back() != m.src) {
            sources.push_back(m.src);
        }
    }
    EXPECT_EQ(sources, (std::vector<int32_t>{sq("h8"), sq("a8"), sq("h3")}));
}

TEST(PathOrder, CastlePathOnlyFromTheKingsHomeSquare) {
    // Flags set, rook at home, but the king stands on d1: no castling, whatever the flags say.
    CHESS_POSITION away = board_with({{"d1", WK}, {"h1", WR}, {"a1", WR}, {"h8", BK}});
    away.state.white_kingside = away.state.white_queenside = true;
    for (const std::string& m : moves_from(away, "d1")) {
        EXPECT_TRUE(m != "d1f1" && m != "d1b1") << m;
    }
    CHESS_POSITION home = board_with({{"e1", WK}, {"h1", WR}, {"a1", WR}, {"h8", BK}});
    home.state.white_kingside = home.state.white_queenside = true;
    // Castling goes to the capture queue, so it comes before the king's quiet steps: g1 first.
    const STRINGS from_e1 = moves_from(home, "e1");
    ASSERT_GE(from_e1.size(), 2u);
    EXPECT_EQ(from_e1[0], "e1g1");
    EXPECT_EQ(from_e1[1], "e1c1");
    home.state.white_kingside = false;
    EXPECT_EQ(moves_from(home, "e1")[0], "e1c1");
}

TEST(PathOrder, CastlingNeedsEmptySquaresAndAnUnattackedCrossing) {
    struct CASE {
        const char* fen;
        STRINGS expected;
    };
    const CASE cases[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {"e1g1", "e1c1"}},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", {"e8g8", "e8c8"}},
        // b1 occupied blocks the queenside; only b1..d1 matter, not a1's neighbour on b8.
        {"r3k2r/8/8/8/8/8/8/RN2K2R w KQkq - 0 1", {"e1g1"}},
        // f1 attacked (the crossing square): no kingside castling at all.
        {"r3k2r/8/8/8/8/8/5r2/R3K2R w KQ - 0 1", {"e1c1"}},
        // b1 attacked does not matter; d1 attacked forbids the queenside.
        {"1r2k2r/8/8/8/8/8/8/R3K2R w KQ - 0 1", {"e1g1", "e1c1"}},
        {"3rk2r/8/8/8/8/8/8/R3K2R w KQ - 0 1", {"e1g1"}},
        // An attacked destination is left to the legality test: still generated.
        {"4k1r1/8/8/8/8/8/8/R3K2R w KQ - 0 1", {"e1g1", "e1c1"}},
        // The king in check castles neither way.
        {"4k3/8/8/8/8/8/8/R3K1rR w KQ - 0 1", {}},
    };
    for (const CASE& c : cases) {
        CHESS_POSITION board = position_from_fen(c.fen);
        CHESS_MOVGEN generator;
        STRINGS castles;
        for (const CHESS_MOVE& m : returned_moves(generator, board)) {
            if (m.type == CHESS_MOVE_CONSTANTS::move_castle_kingside ||
                m.type == CHESS_MOVE_CONSTANTS::move_castle_queenside) {
                castles.push_back(m.uci_text());
            }
        }
        EXPECT_EQ(castles, c.expected) << c.fen;
    }
}

TEST(PathOrder, PawnStepsStopAtTheFirstBlocker) {
    CHESS_POSITION blocked = board_with({{"e2", WP}, {"e3", BN}, {"h1", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(blocked, "e2"), STRINGS{});
    CHESS_POSITION second = board_with({{"e2", WP}, {"e4", WN}, {"h1", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(second, "e2"), STRINGS{"e2e3"});
    CHESS_POSITION free = board_with({{"e2", WP}, {"h1", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(free, "e2"), (STRINGS{"e2e3", "e2e4"}));
    CHESS_POSITION black = board_with({{"c7", BP}, {"h1", WK}, {"h8", BK}}, 2);
    EXPECT_EQ(moves_from(black, "c7"), (STRINGS{"c7c6", "c7c5"}));
    CHESS_POSITION later = board_with({{"c3", WP}, {"h1", WK}, {"h8", BK}});
    EXPECT_EQ(moves_from(later, "c3"), STRINGS{"c3c4"});
}

TEST(PathOrder, PromotionStepNeedsAnEmptySquare) {
    CHESS_POSITION blocked = board_with({{"e7", WP}, {"e8", BN}, {"a1", WK}, {"h1", BK}});
    EXPECT_EQ(moves_from(blocked, "e7"), STRINGS{});
    CHESS_POSITION open = board_with({{"e7", WP}, {"a1", WK}, {"h1", BK}});
    EXPECT_EQ(moves_from(open, "e7"), (STRINGS{"e7e8q", "e7e8r", "e7e8b", "e7e8n"}));
}

TEST(PathOrder, CaptureAndPromoteGivesFourMovesPerTarget) {
    CHESS_POSITION board =
        board_with({{"e7", WP}, {"e8", BN}, {"d8", BR}, {"f8", BB}, {"a1", WK}, {"h1", BK}});
    CHESS_MOVGEN generator;
    std::vector<CHESS_MOVE> promotions;
    for (const CHESS_MOVE& m : returned_moves(generator, board)) {
        if (m.src == sq("e7")) {
            promotions.push_back(m);
        }
    }
    ASSERT_EQ(promotions.size(), 8u);
    // Taking the rook wins more than taking the bishop, so all four rook captures come first.
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(square_text(promotions[i].dst), i < 4 ? "d8" : "f8") << i;
        EXPECT_TRUE(promotions[i].is_promotion());
    }
}

TEST(PathOrder, EnPassantOnlyBesideTheRecordedDoubleStep) {
    // White pawn e5; black pawns c5, d5 and f5; the recorded double step decides.
    CHESS_POSITION board =
        board_with({{"e5", WP}, {"c5", BP}, {"d5", BP}, {"f5", BP}, {"e1", WK}, {"e8", BK}});
    board.state.double_move_black = sq("f5");
    EXPECT_EQ(moves_from(board, "e5"), (STRINGS{"e5f6", "e5e6"}));
    board.state.double_move_black = sq("d5");
    EXPECT_EQ(moves_from(board, "e5"), (STRINGS{"e5d6", "e5e6"}));
    board.state.double_move_black = sq("c5");
    EXPECT_EQ(moves_from(board, "e5"), STRINGS{"e5e6"});
    board.state.double_move_black = 0;
    EXPECT_EQ(moves_from(board, "e5"), STRINGS{"e5e6"});
    // A pawn not on its fifth rank never captures en passant.
    CHESS_POSITION early = board_with({{"e4", WP}, {"d4", BP}, {"e1", WK}, {"e8", BK}});
    early.state.double_move_black = sq("d4");
    EXPECT_EQ(moves_from(early, "e4"), STRINGS{"e4e5"});
    // Black on its fourth rank.
    CHESS_POSITION black = board_with({{"d4", BP}, {"e4", WP}, {"e1", WK}, {"e8", BK}}, 2);
    black.state.double_move_white = sq("e4");
    EXPECT_EQ(moves_from(black, "d4"), (STRINGS{"d4e3", "d4d3"}));
}

TEST(Attacks, AdjacentKingsAttackEachOtherButNotFromTwoSquares) {
    CHESS_POSITION board = board_with({{"e4", WK}, {"e5", BK}});
    EXPECT_TRUE(board.is_attacked(sq("e5"), 1));
    EXPECT_TRUE(board.is_attacked(sq("e4"), 2));
    EXPECT_TRUE(board.in_check(1));
    EXPECT_TRUE(board.in_check(2));
    CHESS_POSITION diagonal = board_with({{"e4", WK}, {"f5", BK}});
    EXPECT_TRUE(diagonal.in_check(1));
    CHESS_POSITION apart = board_with({{"e4", WK}, {"e6", BK}});
    EXPECT_FALSE(apart.in_check(1));
    EXPECT_FALSE(apart.in_check(2));
    EXPECT_TRUE(apart.is_attacked(sq("e5"), 1));
    EXPECT_TRUE(apart.is_attacked(sq("e5"), 2));
}

TEST(Attacks, EachKindAttacksAlongItsOwnLines) {
    struct CASE {
        std::initializer_list<PLACED_PIECE> pieces;
        const char* target;
        int32_t side;
        bool attacked;
    };
    const CASE cases[] = {
        {{{"a1", WB}}, "h8", 1, true},
        {{{"a1", WB}, {"d4", BP}}, "h8", 1, false}, // blocked
        {{{"a1", WR}}, "h8", 1, false},
        {{{"a1", WR}}, "a8", 1, true},
        {{{"a1", WQ}}, "h8", 1, true},
        {{{"a1", WQ}}, "h1", 1, true},
        {{{"a1", BQ}}, "h1", 1, false}, // wrong side
        {{{"a1", WN}}, "b3", 1, true},
        {{{"a1", WN}}, "b2", 1, false},
        {{{"d4", WP}}, "e5", 1, true},
        {{{"d4", WP}}, "c5", 1, true},
        {{{"d4", WP}}, "d5", 1, false},
        {{{"d4", WP}}, "e3", 1, false}, // pawns attack forward only
        {{{"d4", BP}}, "e3", 2, true},
        {{{"d4", BP}}, "e5", 2, false},
        {{{"b1", WR}, {"b2", WR}}, "b8", 1, true}, // the nearer rook is the attacker
        {{{"a1", WK}}, "c3", 1, false},            // a king attacks its neighbours only
    };
    for (const CASE& c : cases) {
        CHESS_POSITION board;
        board.clear();
        for (const PLACED_PIECE& p : c.pieces) {
            board.put_piece(sq(p.square), p.piece);
        }
        EXPECT_EQ(board.is_attacked(sq(c.target), c.side), c.attacked)
            << c.pieces.begin()->square << " -> " << c.target;
    }
}

TEST(OrderKey, CapturesByValueThenPromotionsAndQuietMoves) {
    CHESS_POSITION board = board_with({{"e1", WK},
                                       {"e8", BK},
                                       {"d5", BQ},
                                       {"c4", WP},
                                       {"d1", WQ},
                                       {"d2", WP},
                                       {"f6", BN},
                                       {"g4", WB},
                                       {"e4", WN},
                                       {"b8", BR},
                                       {"a7", WP}});
    struct CASE {
        CHESS_MOVE move;
        int32_t key;
    };
    using M = CHESS_MOVE_CONSTANTS;
    const CASE cases[] = {
        {CHESS_MOVE(M::move_pawn, WP, sq("c4"), sq("d5")), -800},   // pawn takes queen
        {CHESS_MOVE(M::move_normal, WQ, sq("d1"), sq("d5")), 0},    // equal values
        {CHESS_MOVE(M::move_normal, BQ, sq("d5"), sq("d2")), 800},  // queen takes pawn
        {CHESS_MOVE(M::move_normal, WB, sq("g4"), sq("e8")), 2000}, // takes the king
        {CHESS_MOVE(M::move_normal, BQ, sq("d5"), sq("e1")), 2000}, // whatever the attacker
        {CHESS_MOVE(M::move_normal, WN, sq("e4"), sq("f6")), 0},    // knight takes knight
        {CHESS_MOVE(M::move_promote_queen, WP, sq("a7"), sq("a8")), -1003},
        {CHESS_MOVE(M::move_promote_rook, WP, sq("a7"), sq("a8")), -1002},
        {CHESS_MOVE(M::move_promote_bishop, WP, sq("a7"), sq("a8")), -1001},
        {CHESS_MOVE(M::move_promote_knight, WP, sq("a7"), sq("a8")), -1000},
        // A promotion that captures is ordered as a capture.
        {CHESS_MOVE(M::move_promote_queen, WP, sq("a7"), sq("b8")), -400},
        {CHESS_MOVE(M::move_promote_knight, WP, sq("a7"), sq("b8")), -400},
        {CHESS_MOVE(M::move_normal, WN, sq("e4"), sq("c5")), 0}, // quiet
        {CHESS_MOVE(M::move_castle_kingside, WK, sq("e1"), sq("g1")), 0},
        {CHESS_MOVE(M::move_en_passant, WP, sq("c4"), sq("b5")), 0},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(c.move.order_key(board), c.key) << describe(c.move);
    }
    // A dearer piece taking a cheaper one: bishop 325 takes knight 300.
    EXPECT_EQ(CHESS_MOVE(M::move_normal, WB, sq("g4"), sq("f6")).order_key(board), 25);
    const CHESS_MOVE ep(M::move_en_passant, WP, sq("c4"), sq("b5"));
    EXPECT_TRUE(ep.is_capture(board));
}

} // namespace
