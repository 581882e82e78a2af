// The order in which the generator hands out moves, and which moves it never hands out. The
// search depends on this order for its cutoffs, so each rule here is a place where a slip changes
// the program's play without changing a single perft count.
#include "rules/chess_move_history.h"
#include "rules/chess_movgen.h"
#include "rules_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using M = CHESS_MOVE_CONSTANTS;
using STRINGS = std::vector<std::string>;

enum : int32_t { WP = 1, WB, WN, WR, WQ, WK, BP, BB, BN, BR, BQ, BK };

STRINGS uci(const std::vector<CHESS_MOVE>& moves) {
    STRINGS texts;
    for (const CHESS_MOVE& m : moves) {
        texts.push_back(m.uci_text());
    }
    return texts;
}

STRINGS returned(CHESS_MOVGEN& generator, CHESS_POSITION& board) {
    return uci(returned_moves(generator, board));
}

CHESS_POSITION start_position() {
    CHESS_POSITION board;
    board.set_initial_position();
    return board;
}

// White king a1 and knight d4 against a lone king: eleven quiet moves, no captures, generated
// in this order: a1b1 a1a2 a1b2 d4e6 d4c6 d4e2 d4c2 d4f5 d4b5 d4f3 d4b3.
CHESS_POSITION quiet_position() {
    return board_with({{"a1", WK}, {"d4", WN}, {"h8", BK}});
}

CHESS_MOVE knight(const char* to) {
    return CHESS_MOVE(M::move_normal, WN, sq("d4"), sq(to));
}

TEST(Movgen, PlainOrderIsCapturesThenQuietMovesInGenerationOrder) {
    CHESS_POSITION board = quiet_position();
    CHESS_MOVGEN generator;
    EXPECT_EQ(returned(generator, board), (STRINGS{"a1b1", "a1a2", "a1b2", "d4e6", "d4c6", "d4e2",
                                                   "d4c2", "d4f5", "d4b5", "d4f3", "d4b3"}));
    EXPECT_TRUE(generator.exhausted());
    EXPECT_FALSE(generator.has_item());
}

TEST(Movgen, BestMoveComesFirstAndOnlyOnce) {
    CHESS_POSITION board = start_position();
    CHESS_MOVGEN plain;
    const STRINGS normal = returned(plain, board);
    ASSERT_EQ(normal.size(), 20u);

    CHESS_MOVGEN generator;
    generator.set_best_move(CHESS_MOVE(M::move_normal, WN, sq("g1"), sq("f3")));
    const STRINGS with_best = returned(generator, board);
    ASSERT_EQ(with_best.size(), 20u);
    EXPECT_EQ(with_best.front(), "g1f3");
    EXPECT_EQ(std::count(with_best.begin(), with_best.end(), "g1f3"), 1);
    STRINGS rest(with_best.begin() + 1, with_best.end());
    STRINGS expected_rest = normal;
    expected_rest.erase(std::find(expected_rest.begin(), expected_rest.end(), "g1f3"));
    EXPECT_EQ(rest, expected_rest);

    // The best move is used once: the next start is plain again.
    EXPECT_EQ(returned(generator, board), normal);
}

TEST(Movgen, BestMoveAmongCapturesIsNotRepeated) {
    CHESS_POSITION board = position_from_fen("4k3/8/8/3p1p2/4P3/8/8/4K3 w - - 0 1");
    CHESS_MOVGEN generator;
    generator.set_best_move(CHESS_MOVE(M::move_pawn, WP, sq("e4"), sq("f5")));
    const STRINGS moves = returned(generator, board);
    EXPECT_EQ(std::count(moves.begin(), moves.end(), "e4f5"), 1);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves[0], "e4f5");
    EXPECT_EQ(moves[1], "e4d5");
}

// A best move this position does not generate is dropped instead of being played untested.
TEST(Movgen, BestMoveThePositionDoesNotGenerateIsDropped) {
    CHESS_POSITION board = start_position();
    CHESS_MOVGEN plain;
    const STRINGS normal = returned(plain, board);
    const CHESS_MOVE foreign[] = {
        CHESS_MOVE(M::move_normal, WN, sq("g1"), sq("g3")), // no such knight move
        CHESS_MOVE(M::move_pawn, WP, sq("e2"), sq("e4")),   // right squares, wrong type
        CHESS_MOVE(M::move_normal, BN, sq("g8"), sq("f6")), // the other side's move
        CHESS_MOVE(M::move_normal, WQ, sq("d1"), sq("d5")), // blocked
    };
    for (const CHESS_MOVE& m : foreign) {
        CHESS_MOVGEN generator;
        generator.set_best_move(m);
        EXPECT_EQ(returned(generator, board), normal) << describe(m);
    }
}

// A best move that was never met again (the caller stopped early) must not be skipped in the
// next position.
TEST(Movgen, PendingSkipNeverLeaksIntoTheNextStart) {
    CHESS_POSITION board = start_position();
    CHESS_MOVGEN generator;
    generator.set_best_move(CHESS_MOVE(M::move_pawn_double, WP, sq("h2"), sq("h4")));
    generator.start(board);
    ASSERT_TRUE(generator.has_item());
    EXPECT_EQ(generator.item().uci_text(), "h2h4");
    generator.forth(); // stop here: h2h4 is still pending in the quiet queue
    const STRINGS again = returned(generator, board);
    EXPECT_EQ(again.size(), 20u);
    EXPECT_EQ(std::count(again.begin(), again.end(), "h2h4"), 1);
}

TEST(Movgen, KillerAmongQuietMovesIsTheFirstQuietMove) {
    CHESS_POSITION board = quiet_position();
    CHESS_MOVGEN generator;
    generator.set_killer(knight("b5"));
    // The killer is swapped with the front move, nothing is rotated.
    EXPECT_EQ(returned(generator, board), (STRINGS{"d4b5", "a1a2", "a1b2", "d4e6", "d4c6", "d4e2",
                                                   "d4c2", "d4f5", "a1b1", "d4f3", "d4b3"}));
    // The killer survives from node to node.
    EXPECT_TRUE(generator.has_killer());
    EXPECT_EQ(returned(generator, board).front(), "d4b5");
    generator.clear_killer();
    EXPECT_EQ(returned(generator, board).front(), "a1b1");
}

TEST(Movgen, KillerAmongCapturesGoesToTheirFront) {
    // Three captures of the d5 pawn, sorted: exd5 (0), Nxd5 (200), Qxd5 (800).
    CHESS_POSITION board = position_from_fen("4k3/8/8/3p4/4P3/2N5/8/3QK3 w - - 0 1");
    CHESS_MOVGEN plain;
    const STRINGS normal = returned(plain, board);
    ASSERT_EQ(STRINGS(normal.begin(), normal.begin() + 3), (STRINGS{"e4d5", "c3d5", "d1d5"}));

    CHESS_MOVGEN generator;
    generator.set_killer(CHESS_MOVE(M::move_normal, WQ, sq("d1"), sq("d5")));
    const STRINGS moves = returned(generator, board);
    EXPECT_EQ(STRINGS(moves.begin(), moves.begin() + 3), (STRINGS{"d1d5", "c3d5", "e4d5"}));
    // Found among the captures, it is not looked for again: the quiet moves keep their order.
    EXPECT_EQ(STRINGS(moves.begin() + 3, moves.end()), STRINGS(normal.begin() + 3, normal.end()));
}

// With exactly one capture the killer is not looked for among the captures; if that one capture
// is the killer it still comes first, and the search among the quiet moves finds nothing.
TEST(Movgen, SingleCaptureEqualToTheKillerStillComesFirstOnce) {
    CHESS_POSITION board = position_from_fen("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1");
    CHESS_MOVGEN plain;
    const STRINGS normal = returned(plain, board);
    CHESS_MOVGEN generator;
    generator.set_killer(CHESS_MOVE(M::move_pawn, WP, sq("e4"), sq("d5")));
    const STRINGS moves = returned(generator, board);
    EXPECT_EQ(moves, normal);
    EXPECT_EQ(moves.front(), "e4d5");
    EXPECT_EQ(std::count(moves.begin(), moves.end(), "e4d5"), 1);
}

TEST(Movgen, QuietKillerAfterASingleCapture) {
    CHESS_POSITION board = position_from_fen("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1");
    CHESS_MOVGEN generator;
    generator.set_killer(CHESS_MOVE(M::move_king, WK, sq("e1"), sq("f2")));
    const STRINGS moves = returned(generator, board);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves[0], "e4d5");
    EXPECT_EQ(moves[1], "e1f2");
}

TEST(Movgen, KillerThatIsNotGeneratedChangesNothing) {
    CHESS_POSITION board = quiet_position();
    CHESS_MOVGEN plain;
    CHESS_MOVGEN generator;
    generator.set_killer(CHESS_MOVE(M::move_normal, WN, sq("d4"), sq("d5")));
    EXPECT_EQ(returned(generator, board), returned(plain, board));
}

// History values chosen so that five quiet moves have a value; only four are ever picked.
void fill_history(CHESS_MOVE_HISTORY& history) {
    history.add(knight("e6"), 5);
    history.add(knight("e6"), 5); // 50
    history.add(knight("b3"), 5);
    history.add(knight("b3"), 5);                                     // 50, but generated after e6
    history.add(CHESS_MOVE(M::move_king, WK, sq("a1"), sq("a2")), 5); // 25
    history.add(knight("f5"), 3);                                     // 9
    history.add(knight("c2"), 2);                                     // 4
}

TEST(Movgen, HistoryPicksTheLargestValueAtMostFourTimes) {
    CHESS_POSITION board = quiet_position();
    CHESS_MOVE_HISTORY history;
    fill_history(history);
    CHESS_MOVGEN generator = CHESS_MOVGEN::make_with_history(&history);
    // Each pick swaps with the front; c2 (4) is never picked, the rest keep the swapped order.
    EXPECT_EQ(returned(generator, board), (STRINGS{"d4e6", "d4b3", "a1a2", "d4f5", "d4c6", "d4e2",
                                                   "d4c2", "a1b1", "d4b5", "d4f3", "a1b2"}));
}

TEST(Movgen, KillerStepTakesThePlaceOfAHistoryPickNotOneOfTheFour) {
    CHESS_POSITION board = quiet_position();
    CHESS_MOVE_HISTORY history;
    fill_history(history);
    CHESS_MOVGEN generator = CHESS_MOVGEN::make_with_history(&history);
    generator.set_killer(knight("b5"));
    EXPECT_EQ(returned(generator, board), (STRINGS{"d4b5", "d4e6", "d4b3", "a1a2", "d4f5", "d4e2",
                                                   "d4c2", "d4c6", "a1b1", "d4f3", "a1b2"}));
}

TEST(Movgen, EmptyHistoryMovesNothing) {
    CHESS_POSITION board = quiet_position();
    CHESS_MOVE_HISTORY history;
    CHESS_MOVGEN with_history = CHESS_MOVGEN::make_with_history(&history);
    CHESS_MOVGEN plain;
    EXPECT_EQ(returned(with_history, board), returned(plain, board));
}

TEST(Movgen, KingCapturesAreNeverReturned) {
    // White to move although Black is in check: taking the king is generated but never returned.
    CHESS_POSITION board = board_with({{"a1", WR}, {"a8", BK}, {"h1", WK}, {"h7", BP}, {"g2", WN}});
    board.put_piece(sq("e4"), WQ);
    CHESS_MOVGEN full;
    CHESS_MOVGEN captures = CHESS_MOVGEN::make_captures_only();
    for (CHESS_MOVGEN* generator : {&full, &captures}) {
        for (const CHESS_MOVE& m : returned_moves(*generator, board)) {
            EXPECT_NE(m.dst, sq("a8")) << describe(m);
        }
    }
    EXPECT_EQ(returned(captures, board), STRINGS{"e4h7"});
}

TEST(Movgen, CapturesOnlySkipsQuietPromotionsAndCastlingButTakesEnPassant) {
    CHESS_POSITION board = position_from_fen("r3k2r/1P6/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1");
    CHESS_MOVGEN captures = CHESS_MOVGEN::make_captures_only();
    EXPECT_TRUE(captures.want_captures_only());
    STRINGS moves = returned(captures, board);
    std::sort(moves.begin(), moves.end());
    EXPECT_EQ(moves, (STRINGS{"a1a8", "b7a8b", "b7a8n", "b7a8q", "b7a8r", "e5d6", "h1h8"}));

    CHESS_MOVGEN full;
    const STRINGS all = returned(full, board);
    for (const char* m : {"b7b8q", "b7b8n", "e1g1", "e1c1", "e5e6"}) {
        EXPECT_NE(std::find(all.begin(), all.end(), m), all.end()) << m;
    }
}

// Captures come before quiet moves, cheapest attacker on dearest victim first: non-decreasing
// order keys over the whole capture run.
TEST(Movgen, CapturesAreSortedByKey) {
    const char* fens[] = {
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1",
        "r3k2r/1P6/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1",
    };
    for (const char* fen : fens) {
        CHESS_POSITION board = position_from_fen(fen);
        CHESS_MOVGEN generator;
        std::vector<int32_t> keys;
        bool quiet_seen = false;
        for (const CHESS_MOVE& m : returned_moves(generator, board)) {
            const bool forcing = m.is_capture(board) || m.is_promotion() ||
                                 m.type == M::move_castle_kingside ||
                                 m.type == M::move_castle_queenside;
            if (!forcing) {
                quiet_seen = true;
                continue;
            }
            EXPECT_FALSE(quiet_seen) << fen << ": " << describe(m) << " after a quiet move";
            keys.push_back(m.order_key(board));
        }
        EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end())) << fen;
        EXPECT_GE(keys.size(), 3u) << fen;
    }
}

TEST(Movgen, QuietPromotionsComeBeforeWinningCaptures) {
    CHESS_POSITION board = position_from_fen("4k3/1P6/8/3q4/4P3/8/8/4K3 w - - 0 1");
    CHESS_MOVGEN generator;
    const STRINGS moves = returned(generator, board);
    ASSERT_GE(moves.size(), 5u);
    EXPECT_EQ(STRINGS(moves.begin(), moves.begin() + 5),
              (STRINGS{"b7b8q", "b7b8r", "b7b8b", "b7b8n", "e4d5"}));
}

TEST(Movgen, MakeAndUnmakeItemRestoreTheBoard) {
    CHESS_POSITION board = start_position();
    const CHESS_POSITION before = board;
    CHESS_MOVGEN generator;
    generator.start(board);
    ASSERT_TRUE(generator.has_item());
    generator.make_item();
    EXPECT_FALSE(board == before);
    generator.unmake_item();
    EXPECT_TRUE(board == before);
}

TEST(MoveHistory, AddSquaresTheDepthPerSquarePair) {
    CHESS_MOVE_HISTORY history;
    const CHESS_MOVE m(M::move_normal, WN, sq("g1"), sq("f3"));
    history.add(m, 5);
    EXPECT_EQ(history.value(m), 25);
    // Piece and type do not matter, only the two squares.
    EXPECT_EQ(history.value(CHESS_MOVE(M::move_king, BK, sq("g1"), sq("f3"))), 25);
    EXPECT_EQ(history.value(CHESS_MOVE(M::move_normal, WN, sq("f3"), sq("g1"))), 0);
    EXPECT_EQ(CHESS_MOVE_HISTORY::index(m), (7 - 1) * 64 + 22);
    EXPECT_EQ(CHESS_MOVE_HISTORY::index(CHESS_MOVE(M::move_normal, WK, 64, 64)), 4096);
    EXPECT_EQ(CHESS_MOVE_HISTORY::index(CHESS_MOVE(M::move_normal, WK, 1, 1)), 1);
    history.add(m, 2);
    EXPECT_EQ(history.value(m), 29);
    history.clear();
    EXPECT_EQ(history.value(m), 0);
}

TEST(MoveHistory, AgeDividesBy256TowardZero) {
    CHESS_MOVE_HISTORY history;
    const CHESS_MOVE small(M::move_normal, WN, 1, 2);
    const CHESS_MOVE large(M::move_normal, WN, 1, 3);
    const CHESS_MOVE negative(M::move_normal, WN, 64, 63);
    for (int32_t depth : {15, 5, 2, 1}) {
        history.add(small, depth); // 255
    }
    for (int32_t depth : {16, 16, 16}) {
        history.add(large, depth); // 768
    }
    // Counters wrap at 32 bits like the board's sums: these three squares make -300.
    for (int32_t depth : {46340, 44850, 11664}) {
        history.add(negative, depth);
    }
    ASSERT_EQ(history.value(small), 255);
    ASSERT_EQ(history.value(negative), -300);
    history.age();
    EXPECT_EQ(history.value(small), 0);
    EXPECT_EQ(history.value(large), 3);
    EXPECT_EQ(history.value(negative), -1);
}

} // namespace
