#include "engine/chess_repetition_table.h"
#include "engine/chess_transposition_table.h"
#include "rules/chess_fen_reader.h"

#include <gtest/gtest.h>

namespace {

using TT = CHESS_TRANSPOSITION_TABLE;

CHESS_POSITION start_position() {
    CHESS_POSITION board;
    board.set_initial_position();
    return board;
}

TEST(TranspositionEntry, EncodingRoundTripsEveryTypeDepthAndSign) {
    TT table;
    for (int32_t score : {0, 1, -1, 57, -57, 99998, -99998, 100000, -100000}) {
        for (int32_t depth : {0, 1, 40, 255}) {
            for (int32_t type : {TT::entry_exact, TT::entry_upper, TT::entry_lower}) {
                table.decode_entry(TT::encode_entry(depth, score, type));
                EXPECT_EQ(table.score(), score);
                EXPECT_EQ(table.depth(), depth);
                EXPECT_EQ(table.ttype(), type);
            }
        }
    }
    EXPECT_EQ(TT::encode_entry(3, -1, TT::entry_lower), 2048 + 8 * 3 + 2 * 2 + 1);
}

TEST(TranspositionTable, SlotIndexReadsTheKeyAsUnsignedForAnySize) {
    TT table;
    EXPECT_EQ(table.size(), 1000777);
    EXPECT_EQ(table.slot_index(0), 1);
    EXPECT_EQ(table.slot_index(1000777), 1);
    EXPECT_EQ(table.slot_index(-1), static_cast<int32_t>(4294967295u % 1000777u) + 1);
    table.resize(1000);
    EXPECT_EQ(table.size(), 1000);
    EXPECT_EQ(table.slot_index(-1), static_cast<int32_t>(4294967295u % 1000u) + 1);
    EXPECT_EQ(table.slot_index(999), 1000);
}

TEST(TranspositionTable, ProbeHonoursDepthAndBounds) {
    TT table;
    CHESS_POSITION board = start_position();
    table.set_position(&board);

    table.probe(0, -100, 100);
    EXPECT_FALSE(table.found());
    EXPECT_EQ(table.num_collisions(), 0);

    table.store(3, 25, TT::entry_exact);
    EXPECT_EQ(table.slots_used(), 1);
    for (int32_t depth = 0; depth <= 3; ++depth) {
        table.probe(depth, -100, 100);
        EXPECT_TRUE(table.found());
        EXPECT_EQ(table.last_score(), 25);
    }
    table.probe(4, -100, 100);
    EXPECT_FALSE(table.found());
    EXPECT_EQ(table.num_lookups(), 4);
    EXPECT_EQ(table.num_collisions(), 0);

    table.store(2, -50, TT::entry_upper);
    table.probe(2, -40, 100);
    EXPECT_TRUE(table.found());
    EXPECT_EQ(table.last_score(), -40);
    table.probe(2, -60, 100);
    EXPECT_FALSE(table.found());

    table.store(2, 70, TT::entry_lower);
    table.probe(2, -100, 60);
    EXPECT_TRUE(table.found());
    EXPECT_EQ(table.last_score(), 60);
    table.probe(2, -100, 80);
    EXPECT_FALSE(table.found());
    EXPECT_EQ(table.slots_used(), 1);
}

TEST(TranspositionTable, AnotherPositionInTheSlotIsACollisionAndIsReplaced) {
    TT table;
    CHESS_POSITION first = start_position();
    CHESS_POSITION second = first;
    second.add_hash(TT::default_size, 12345); // same slot, another lock
    table.set_position(&first);
    table.store(5, 10, TT::entry_exact);

    table.set_position(&second);
    table.probe(0, -100, 100);
    EXPECT_FALSE(table.found());
    EXPECT_EQ(table.num_collisions(), 1);
    table.store(1, 20, TT::entry_exact);
    EXPECT_EQ(table.slots_used(), 1);

    table.set_position(&first);
    table.probe(0, -100, 100);
    EXPECT_FALSE(table.found());
    table.clear();
    EXPECT_EQ(table.num_collisions(), 0);
    EXPECT_EQ(table.slots_used(), 0);
}

TEST(PositionKeys, SideCastlingAndDoubleStepAllChangeKeyAndLock) {
    const CHESS_POSITION board = start_position();
    CHESS_POSITION black_to_move = board;
    black_to_move.switch_side();
    EXPECT_EQ(CHESS_POSITION::wrap_add(board.full_key(), -black_to_move.full_key()),
              CHESS_POSITION::white_to_move_key);
    EXPECT_EQ(CHESS_POSITION::wrap_add(black_to_move.full_lock(), -board.full_lock()),
              CHESS_POSITION::black_to_move_lock);

    CHESS_POSITION no_castle = board;
    no_castle.state.clear_kingside(2);
    EXPECT_NE(no_castle.full_key(), board.full_key());
    EXPECT_NE(no_castle.full_lock(), board.full_lock());

    CHESS_POSITION double_step = board;
    double_step.state.set_double_move(1, 29);
    EXPECT_NE(double_step.full_key(), board.full_key());
    EXPECT_NE(double_step.full_lock(), board.full_lock());
}

// Positions whose keys are chosen to fall on chosen elements of the repetition table.
CHESS_POSITION with_key_and_lock(int32_t key, int32_t lock) {
    CHESS_POSITION board;
    board.add_hash(CHESS_POSITION::wrap_add(key, -board.full_key()),
                   CHESS_POSITION::wrap_add(lock, -board.full_lock()));
    return board;
}

TEST(RepetitionTable, CollidingPositionsProbeOnAndWrapAround) {
    CHESS_REPETITION_TABLE table;
    const int32_t last = CHESS_REPETITION_TABLE::initial_upper - 1; // key giving element 2137
    const CHESS_POSITION a = with_key_and_lock(last, 11);
    const CHESS_POSITION b = with_key_and_lock(last + 2137, 22);
    const CHESS_POSITION c = with_key_and_lock(last, 33);
    table.insert(a);
    table.insert(b);
    EXPECT_EQ(table.item(2137), 11);
    EXPECT_EQ(table.item(1), 22); // wrapped
    EXPECT_TRUE(table.has(a));
    EXPECT_TRUE(table.has(b));
    EXPECT_FALSE(table.has(c));

    table.leave(b.full_key(), b.full_lock());
    EXPECT_TRUE(table.has(a));
    EXPECT_FALSE(table.has(b));
    EXPECT_EQ(table.slots_in_use(), 1);
}

TEST(RepetitionTable, AGameLongerThanTheTableLosesNothing) {
    CHESS_REPETITION_TABLE table;
    std::vector<CHESS_POSITION> positions;
    for (int32_t i = 1; i <= 5000; ++i) {
        positions.push_back(with_key_and_lock(i * 7919, i));
        table.enter(positions.back().full_key(), positions.back().full_lock());
    }
    EXPECT_EQ(table.slots_in_use(), 5000);
    for (const CHESS_POSITION& position : positions) {
        ASSERT_TRUE(table.has(position));
    }
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        ASSERT_TRUE(table.has(*it));
        table.leave(it->full_key(), it->full_lock());
    }
    EXPECT_EQ(table.slots_in_use(), 0);
    EXPECT_FALSE(table.has(positions.front()));
}

} // namespace
