// The fixed numbers the rest of the program depends on: the hash values made by the seeded
// generator, the piece-square scores read from the printed tables, and the evaluation.
#include "rules/chess_board_tables.h"
#include "rules/kwo_random.h"
#include "rules_test_support.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const CHESS_BOARD_TABLES& tables() {
    return CHESS_BOARD_TABLES::instance();
}

TEST(HashValues, FirstEntriesOfSeed4321) {
    struct EXPECTED {
        int32_t piece;
        int32_t hash_val;
        int32_t hash_lock_val;
    };
    for (const EXPECTED& e : {EXPECTED{1, 14955299, 4845950}, EXPECTED{2, 34651334, 37479331},
                              EXPECTED{3, 12912744, 42954077}}) {
        const CHESS_MOVE_SQUARE& entry = tables().move_square(1, e.piece);
        EXPECT_EQ(entry.hash_val, e.hash_val) << "a1, piece " << e.piece;
        EXPECT_EQ(entry.hash_lock_val, e.hash_lock_val) << "a1, piece " << e.piece;
    }
}

// The table takes two outputs per entry, squares outer and pieces inner; a generator made here
// with the same seed must reproduce every entry, the last one included.
TEST(HashValues, EveryEntryComesFromTheSeededGeneratorInOrder) {
    KWO_RANDOM random(CHESS_BOARD_TABLES::hash_seed);
    for (int32_t s = 1; s <= 64; ++s) {
        for (int32_t p = 1; p <= 12; ++p) {
            random.forth();
            const int32_t a = std::abs(random.item());
            random.forth();
            const int32_t b = std::abs(random.item());
            const CHESS_MOVE_SQUARE& entry = tables().move_square(s, p);
            ASSERT_EQ(entry.hash_val, a % 49000001 + 1000000) << "square " << s << " piece " << p;
            ASSERT_EQ(entry.hash_lock_val, b % 49000001 + 1000000)
                << "square " << s << " piece " << p;
        }
    }
}

TEST(HashValues, AllInRangeAndNeverZero) {
    for (int32_t s = 1; s <= 64; ++s) {
        for (int32_t p = 1; p <= 12; ++p) {
            const CHESS_MOVE_SQUARE& entry = tables().move_square(s, p);
            for (int32_t v : {entry.hash_val, entry.hash_lock_val}) {
                ASSERT_GE(v, 1000000) << "square " << s << " piece " << p;
                ASSERT_LE(v, 50000000) << "square " << s << " piece " << p;
            }
        }
    }
}

TEST(KwoRandom, ReseedingRepeatsTheSequenceAndRangesHold) {
    KWO_RANDOM random(77);
    std::vector<int32_t> first;
    for (int i = 0; i < 200; ++i) {
        random.forth();
        first.push_back(random.item());
        const int32_t r = random.item_in_range(-3, 5);
        ASSERT_GE(r, -3);
        ASSERT_LE(r, 5);
    }
    random.set_seed(77);
    EXPECT_EQ(random.seed(), 77);
    for (int i = 0; i < 200; ++i) {
        random.forth();
        ASSERT_EQ(random.item(), first[i]) << "output " << i;
    }
}

TEST(KwoRandom, ItemIsReadWithoutAdvancing) {
    KWO_RANDOM random(4321);
    random.forth();
    const int32_t item = random.item();
    EXPECT_EQ(random.item(), item);
    EXPECT_EQ(random.item_in_range(7, 7), 7);
}

// (piece, square, middle-game score, endgame score), from the owner's point of view.
struct SCORE_CASE {
    int32_t piece;
    const char* square;
    int32_t score;
    int32_t score_endgame;
};

TEST(PieceSquareScores, ReadFromEachSidesOwnEnd) {
    const SCORE_CASE cases[] = {
        {1, "d2", -40, -40}, {7, "d7", -40, -40}, {1, "d7", 20, 20},   {7, "d2", 20, 20},
        {1, "a2", 0, 5},     {1, "e3", -10, -10}, {7, "h6", 1, 5},     {6, "g1", 40, 10},
        {12, "g8", 40, 10},  {6, "e4", -40, 60},  {12, "d1", -40, 30}, {6, "c1", 40, 20},
        {3, "b1", -30, 0},   {9, "g8", -30, 0},   {3, "e4", 10, 0},    {2, "c1", -20, 0},
        {8, "f8", -20, 0},   {2, "b1", -10, 0},   {4, "a1", 0, 0},     {11, "d4", 0, 0},
    };
    for (const SCORE_CASE& c : cases) {
        const CHESS_MOVE_SQUARE& entry = tables().move_square(sq(c.square), c.piece);
        EXPECT_EQ(entry.score, c.score) << "piece " << c.piece << " on " << c.square;
        EXPECT_EQ(entry.score_endgame, c.score_endgame)
            << "piece " << c.piece << " on " << c.square;
    }
}

TEST(PieceSquareScores, RooksAndQueensScoreNothingAnywhere) {
    for (int32_t s = 1; s <= 64; ++s) {
        for (int32_t p : {4, 5, 10, 11}) {
            ASSERT_EQ(tables().move_square(s, p).score, 0);
            ASSERT_EQ(tables().move_square(s, p).score_endgame, 0);
        }
    }
}

// Every table is the same for both colours once mirrored, so a mirrored pair cancels out.
TEST(PieceSquareScores, BlackIsTheMirrorOfWhite) {
    for (int32_t s = 1; s <= 64; ++s) {
        const int32_t mirrored = CHESS_SQUARE_CONSTANTS::square(
            CHESS_SQUARE_CONSTANTS::file(s), 9 - CHESS_SQUARE_CONSTANTS::rank(s));
        for (int32_t kind = 1; kind <= 6; ++kind) {
            ASSERT_EQ(tables().move_square(s, kind).score,
                      tables().move_square(mirrored, kind + 6).score);
            ASSERT_EQ(tables().move_square(s, kind).score_endgame,
                      tables().move_square(mirrored, kind + 6).score_endgame);
        }
    }
}

TEST(Evaluation, InitialPositionIsLevelAndNotAnEndgame) {
    CHESS_POSITION board;
    board.set_initial_position();
    EXPECT_EQ(board.evaluate(), 0);
    EXPECT_FALSE(board.is_endgame());
    EXPECT_EQ(board.material_white + board.material_black, 7900);
    EXPECT_EQ(board.material_white, 3950);
    EXPECT_TRUE(board.is_consistent());
}

TEST(Evaluation, OnePawnMoveChangesOnlyThePositionalScore) {
    CHESS_POSITION board;
    board.set_initial_position();
    CHESS_MOVE(CHESS_MOVE_CONSTANTS::move_pawn_double, 1, sq("e2"), sq("e4")).execute(board);
    // e2 scores -40 and e4 scores 8 for a white pawn.
    EXPECT_EQ(board.position_score, 48);
    EXPECT_EQ(board.evaluate(), 48);
}

// Material counted without kings: 3000 is still the middle game, anything less the endgame.
TEST(Evaluation, EndgameStartsBelow3000) {
    CHESS_POSITION middle = position_from_fen("1bbbk3/8/8/8/8/8/8/RNBQK3 w - - 0 1");
    EXPECT_EQ(middle.material_white + middle.material_black, 3000);
    EXPECT_FALSE(middle.is_endgame());
    EXPECT_EQ(middle.evaluate(),
              middle.material_white - middle.material_black + middle.position_score);

    CHESS_POSITION end = position_from_fen("1bbbk3/8/8/8/8/8/8/RNNQK3 w - - 0 1");
    EXPECT_EQ(end.material_white + end.material_black, 2975);
    EXPECT_TRUE(end.is_endgame());
    EXPECT_EQ(end.evaluate(), end.material_white - end.material_black + end.position_endgame_score);

    CHESS_POSITION board;
    board.position_score = 7;
    board.position_endgame_score = 11;
    board.material_white = 1500;
    board.material_black = 1500;
    EXPECT_FALSE(board.is_endgame());
    EXPECT_EQ(board.evaluate(), 7);
    board.material_black = 1499;
    EXPECT_TRUE(board.is_endgame());
    EXPECT_EQ(board.evaluate(), 1 + 11);
}

TEST(Evaluation, LoneKingsUseTheEndgameTable) {
    // White king e4 60, black king a8 0 in the endgame table.
    CHESS_POSITION board = position_from_fen("k7/8/8/8/4K3/8/8/8 w - - 0 1");
    EXPECT_TRUE(board.is_endgame());
    EXPECT_EQ(board.evaluate(), 60);
}

TEST(Keys, SumsOfTheEntriesOfThePiecesOnTheBoard) {
    CHESS_POSITION board;
    board.clear();
    EXPECT_EQ(board.hkey, 0);
    board.put_piece(1, 1);
    EXPECT_EQ(board.hkey, 14955299);
    EXPECT_EQ(board.hlock_key, 4845950);
    board.put_piece(sq("e4"), 12);
    EXPECT_EQ(board.hkey, 14955299 + tables().move_square(sq("e4"), 12).hash_val);
    board.remove_piece(1);
    EXPECT_EQ(board.hkey, tables().move_square(sq("e4"), 12).hash_val);
    EXPECT_EQ(board.black_king_square, sq("e4"));
    EXPECT_TRUE(board.is_consistent());
}

TEST(Keys, FullKeyAndLockFoldInStateAndSide) {
    CHESS_POSITION board;
    board.set_initial_position();
    const int32_t rights = 1434222 + 2934555 + 234111 + 334000;
    EXPECT_EQ(board.state.hash(), rights);
    EXPECT_EQ(board.full_key(), CHESS_POSITION::wrap_add(board.hkey, rights + 234196800));
    EXPECT_EQ(board.full_lock(), CHESS_POSITION::wrap_add(board.hlock_key, rights));

    const int32_t key_white = board.full_key();
    const int32_t lock_white = board.full_lock();
    board.switch_side();
    EXPECT_EQ(key_white - board.full_key(), 234196800);
    EXPECT_EQ(board.full_lock() - lock_white, 135999901);

    board.state.double_move_white = 29;
    board.state.double_move_black = 37;
    board.state.white_kingside = false;
    board.state.black_queenside = false;
    EXPECT_EQ(board.state.hash(), 29 * 1234555 + 37 * 2234555 + 2934555 + 234111);
}

} // namespace
