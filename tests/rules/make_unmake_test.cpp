// Making and undoing moves. Undo rebuilds the squares from the move and takes the state back
// from a copy, so every field must come back exactly; and every make must leave the incremental
// sums equal to a recount, or evaluation and hashing drift apart during a search.
#include "rules/chess_movgen.h"
#include "rules_test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

using M = CHESS_MOVE_CONSTANTS;

enum : int32_t { WP = 1, WB, WN, WR, WQ, WK, BP, BB, BN, BR, BQ, BK };

// Field by field, so that a failure names the field.
void expect_same_board(const CHESS_POSITION& actual, const CHESS_POSITION& expected,
                       const std::string& context) {
    for (int32_t s = 1; s <= 64; ++s) {
        ASSERT_EQ(actual.item(s), expected.item(s)) << context << ": square " << square_text(s);
    }
    const CHESS_STATE& a = actual.state;
    const CHESS_STATE& e = expected.state;
    EXPECT_EQ(a.white_kingside, e.white_kingside) << context;
    EXPECT_EQ(a.white_queenside, e.white_queenside) << context;
    EXPECT_EQ(a.black_kingside, e.black_kingside) << context;
    EXPECT_EQ(a.black_queenside, e.black_queenside) << context;
    EXPECT_EQ(a.double_move_white, e.double_move_white) << context;
    EXPECT_EQ(a.double_move_black, e.double_move_black) << context;
    EXPECT_EQ(a.capture_square, e.capture_square) << context;
    EXPECT_EQ(a.capture_piece, e.capture_piece) << context;
    EXPECT_EQ(a.fifty_counter, e.fifty_counter) << context;
    EXPECT_EQ(actual.side_to_move, expected.side_to_move) << context;
    EXPECT_EQ(actual.white_king_square, expected.white_king_square) << context;
    EXPECT_EQ(actual.black_king_square, expected.black_king_square) << context;
    EXPECT_EQ(actual.material_white, expected.material_white) << context;
    EXPECT_EQ(actual.material_black, expected.material_black) << context;
    EXPECT_EQ(actual.position_score, expected.position_score) << context;
    EXPECT_EQ(actual.position_endgame_score, expected.position_endgame_score) << context;
    EXPECT_EQ(actual.hkey, expected.hkey) << context;
    EXPECT_EQ(actual.hlock_key, expected.hlock_key) << context;
    EXPECT_EQ(actual.full_key(), expected.full_key()) << context;
    EXPECT_EQ(actual.full_lock(), expected.full_lock()) << context;
    EXPECT_TRUE(actual == expected) << context;
}

// Walks every pseudo-legal line to the given depth: after each make the sums must agree with a
// recount and the quick legality test with the full one, and after each undo the board must
// equal the copy taken before the make.
int64_t walk(CHESS_POSITION& board, int32_t depth, const std::string& line) {
    CHESS_MOVGEN generator;
    int64_t made = 0;
    for (generator.start(board); generator.has_item(); generator.forth()) {
        const CHESS_POSITION before = board;
        const std::string context = line + " " + describe(generator.item());
        const bool was_in_check = board.in_check(board.side_to_move);
        generator.make_item();
        ++made;
        EXPECT_TRUE(board.is_consistent()) << context;
        EXPECT_EQ(board.side_to_move, before.side_to_move == 1 ? 2 : 1) << context;
        // The generator's quick legality test must agree with the full attack test.
        const bool legal = !board.in_check(generator.item().side());
        EXPECT_EQ(generator.item_is_legal(was_in_check), legal) << context;
        if (depth > 1 && legal && !::testing::Test::HasFailure()) {
            made += walk(board, depth - 1, context);
        }
        generator.unmake_item();
        expect_same_board(board, before, "undo of" + context);
        if (::testing::Test::HasFailure()) {
            return made;
        }
    }
    return made;
}

TEST(MakeUnmake, EveryMoveOfTrickyPositionsRestoresEveryField) {
    const char* fens[] = {
        // castling both ways for both sides, en passant, promotions with and without capture
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
        // en passant available at once, for each side
        "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
        "rnbqkbnr/pppp1ppp/8/8/3Pp3/8/PPP1PPPP/RNBQKBNR b KQkq d3 0 2",
        // pawns that capture a rook on its corner while promoting, for each side
        "r3k2r/6P1/8/8/8/8/1p6/R3K2R w KQkq - 0 1",
        "r3k2r/6P1/8/8/8/8/1p6/R3K2R b KQkq - 0 1",
        // a fifty counter near its end, with a pinned piece
        "4k3/4r3/8/8/8/8/4B3/4K3 w - - 99 80",
        // pins on every line, checks, and en passant that would expose the king
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "8/8/8/KPp4r/8/8/8/7k w - c6 0 1",
        "4k3/8/8/8/1b6/8/3P4/4K3 w - - 0 1",
        "3qk3/8/8/8/8/3N4/2PPP3/q2K3r w - - 0 1",
        "r3k2r/8/8/1B6/8/8/8/R3K2R b KQkq - 0 1",
        "4k3/8/8/2b5/3Pp3/8/8/4K2R b K d3 0 1",
    };
    for (const char* fen : fens) {
        CHESS_POSITION board = position_from_fen(fen);
        ASSERT_TRUE(board.is_consistent()) << fen;
        EXPECT_GT(walk(board, 2, fen), 0) << fen;
        if (HasFailure()) {
            return;
        }
    }
}

// Makes one move found by its squares (and promotion type) through the generator, keeps it made.
struct PLAYED {
    CHESS_MOVGEN generator;
    CHESS_STATE state_before;
    CHESS_POSITION before;
};

void play(CHESS_POSITION& board, PLAYED& played, const char* from, const char* to,
          int32_t type = -1) {
    played.before = board;
    played.state_before = board.state;
    for (played.generator.start(board); played.generator.has_item(); played.generator.forth()) {
        const CHESS_MOVE& m = played.generator.item();
        if (m.src == sq(from) && m.dst == sq(to) && (type < 0 || m.type == type)) {
            played.generator.make_item();
            return;
        }
    }
    FAIL() << from << to << " is not generated";
}

void expect_squares(const CHESS_POSITION& board, const char* fen) {
    const CHESS_POSITION expected = position_from_fen(fen);
    for (int32_t s = 1; s <= 64; ++s) {
        EXPECT_EQ(board.item(s), expected.item(s)) << square_text(s) << " in " << fen;
    }
}

TEST(MakeUnmake, EnPassantRecordsTheCapturedPawnsSquare) {
    CHESS_POSITION board =
        position_from_fen("rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3");
    PLAYED played;
    play(board, played, "e5", "f6", M::move_en_passant);
    expect_squares(board, "rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 3");
    EXPECT_EQ(board.state.capture_square, sq("f5"));
    EXPECT_EQ(board.state.capture_piece, BP);
    EXPECT_EQ(board.state.fifty_counter, 0);
    EXPECT_EQ(board.material_black, played.before.material_black - 100);
    EXPECT_TRUE(board.is_consistent());
    played.generator.unmake_item();
    expect_same_board(board, played.before, "undo e.p.");
}

TEST(MakeUnmake, CapturingTheRookOnH1TakesTheKingsideRight) {
    CHESS_POSITION board = position_from_fen("r3k2r/8/8/8/8/8/6b1/R3K2R b KQkq - 5 10");
    PLAYED played;
    play(board, played, "g2", "h1");
    EXPECT_FALSE(board.state.white_kingside);
    EXPECT_TRUE(board.state.white_queenside);
    EXPECT_TRUE(board.state.black_kingside);
    EXPECT_TRUE(board.state.black_queenside);
    EXPECT_EQ(board.state.capture_square, sq("h1"));
    EXPECT_EQ(board.state.capture_piece, WR);
    EXPECT_EQ(board.state.fifty_counter, 0);
    played.generator.unmake_item();
    expect_same_board(board, played.before, "undo Bxh1");
}

TEST(MakeUnmake, CastlingMovesTheRookAndTakesBothRights) {
    struct CASE {
        const char* fen;
        const char* from;
        const char* to;
        int32_t type;
        const char* after;
    };
    const CASE cases[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 3 1", "e1", "g1", M::move_castle_kingside,
         "r3k2r/8/8/8/8/8/8/R4RK1 b kq - 4 1"},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 3 1", "e1", "c1", M::move_castle_queenside,
         "r3k2r/8/8/8/8/8/8/2KR3R b kq - 4 1"},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 3 1", "e8", "g8", M::move_castle_kingside,
         "r4rk1/8/8/8/8/8/8/R3K2R w KQ - 4 2"},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 3 1", "e8", "c8", M::move_castle_queenside,
         "2kr3r/8/8/8/8/8/8/R3K2R w KQ - 4 2"},
    };
    for (const CASE& c : cases) {
        CHESS_POSITION board = position_from_fen(c.fen);
        PLAYED played;
        play(board, played, c.from, c.to, c.type);
        const CHESS_POSITION expected = position_from_fen(c.after);
        expect_same_board(board, expected, std::string("castling ") + c.from + c.to);
        played.generator.unmake_item();
        expect_same_board(board, played.before, std::string("undo castling ") + c.from + c.to);
    }
}

TEST(MakeUnmake, RookAndKingMovesTakeTheirRights) {
    struct CASE {
        const char* from;
        const char* to;
        int32_t type;
        bool wk, wq, bk, bq;
    };
    const CASE cases[] = {
        {"a1", "b1", M::move_rook_queenside, true, false, true, true},
        {"h1", "g1", M::move_rook_kingside, false, true, true, true},
        {"e1", "d1", M::move_king, false, false, true, true},
        {"a1", "a8", M::move_rook_queenside, true, false, true, false}, // takes a8 too
    };
    for (const CASE& c : cases) {
        CHESS_POSITION board = position_from_fen("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
        PLAYED played;
        play(board, played, c.from, c.to, c.type);
        const std::string context = std::string(c.from) + c.to;
        EXPECT_EQ(board.state.white_kingside, c.wk) << context;
        EXPECT_EQ(board.state.white_queenside, c.wq) << context;
        EXPECT_EQ(board.state.black_kingside, c.bk) << context;
        EXPECT_EQ(board.state.black_queenside, c.bq) << context;
        played.generator.unmake_item();
        expect_same_board(board, played.before, "undo " + context);
    }
}

TEST(MakeUnmake, PromotionWithCaptureChangesMaterialAndUndoesExactly) {
    CHESS_POSITION board = position_from_fen("r3k2r/6P1/8/8/8/8/1p6/R3K2R w KQkq - 0 1");
    const struct {
        int32_t type;
        int32_t piece;
        int32_t value;
    } promotions[] = {{M::move_promote_queen, WQ, 900},
                      {M::move_promote_rook, WR, 500},
                      {M::move_promote_bishop, WB, 325},
                      {M::move_promote_knight, WN, 300}};
    for (const auto& p : promotions) {
        PLAYED played;
        play(board, played, "g7", "h8", p.type);
        EXPECT_EQ(board.item(sq("h8")), p.piece);
        EXPECT_EQ(board.item(sq("g7")), 0);
        EXPECT_EQ(board.state.capture_piece, BR);
        EXPECT_EQ(board.state.capture_square, sq("h8"));
        EXPECT_FALSE(board.state.black_kingside);
        EXPECT_TRUE(board.state.black_queenside);
        EXPECT_EQ(board.material_white, played.before.material_white + p.value - 100);
        EXPECT_EQ(board.material_black, played.before.material_black - 500);
        EXPECT_TRUE(board.is_consistent());
        played.generator.unmake_item();
        expect_same_board(board, played.before, "undo promotion");
    }
}

TEST(MakeUnmake, FiftyCounterCountsQuietPliesOnly) {
    CHESS_POSITION board = position_from_fen("4k3/8/8/8/8/8/3p4/R3K2n w - - 41 60");
    struct CASE {
        const char* from;
        const char* to;
        int32_t fifty;
    };
    for (const CASE& c :
         {CASE{"a1", "a5", 42}, CASE{"a1", "a8", 42}, CASE{"e1", "d2", 0}, CASE{"e1", "f1", 42}}) {
        PLAYED played;
        play(board, played, c.from, c.to);
        EXPECT_EQ(board.state.fifty_counter, c.fifty) << c.from << c.to;
        played.generator.unmake_item();
    }
    board.switch_side();
    for (const CASE& c : {CASE{"d2", "d1", 0}, CASE{"h1", "g3", 42}, CASE{"e8", "e7", 42}}) {
        PLAYED played;
        play(board, played, c.from, c.to);
        EXPECT_EQ(board.state.fifty_counter, c.fifty) << c.from << c.to;
        played.generator.unmake_item();
    }
}

// The double-step square of a side lives exactly one opponent move: it is set by the step,
// survives the reply (which may take en passant) and is cleared when that side moves again.
TEST(StateHash, DoubleStepSquareLivesForOneReply) {
    CHESS_POSITION board;
    board.set_initial_position();
    const int32_t rights = 1434222 + 2934555 + 234111 + 334000;
    PLAYED e4, e5, nf3;
    play(board, e4, "e2", "e4");
    EXPECT_EQ(board.state.double_move_white, 29);
    EXPECT_EQ(board.state.double_move_black, 0);
    EXPECT_EQ(board.full_key(), CHESS_POSITION::wrap_add(board.hkey, 29 * 1234555 + rights));
    EXPECT_EQ(board.full_lock(),
              CHESS_POSITION::wrap_add(board.hlock_key, 29 * 1234555 + rights + 135999901));
    play(board, e5, "e7", "e5");
    EXPECT_EQ(board.state.double_move_white, 29);
    EXPECT_EQ(board.state.double_move_black, 37);
    play(board, nf3, "g1", "f3");
    EXPECT_EQ(board.state.double_move_white, 0);
    EXPECT_EQ(board.state.double_move_black, 37);
    nf3.generator.unmake_item();
    e5.generator.unmake_item();
    e4.generator.unmake_item();
    CHESS_POSITION initial;
    initial.set_initial_position();
    expect_same_board(board, initial, "three moves taken back");
}

// The same pieces reached by different move orders give the same keys; a different side to move
// or a different double-step square gives different ones.
TEST(StateHash, TranspositionsMeetAndStateSeparates) {
    auto after = [](std::initializer_list<std::pair<const char*, const char*>> moves) {
        CHESS_POSITION board;
        board.set_initial_position();
        for (const auto& [from, to] : moves) {
            PLAYED played;
            play(board, played, from, to);
        }
        return board;
    };
    const CHESS_POSITION a = after({{"g1", "f3"}, {"g8", "f6"}, {"b1", "c3"}, {"b8", "c6"}});
    const CHESS_POSITION b = after({{"b1", "c3"}, {"b8", "c6"}, {"g1", "f3"}, {"g8", "f6"}});
    EXPECT_EQ(a.full_key(), b.full_key());
    EXPECT_EQ(a.full_lock(), b.full_lock());
    // Same pieces, White to move, but only c has double-step squares recorded.
    const CHESS_POSITION c = after({{"e2", "e4"}, {"e7", "e5"}});
    const CHESS_POSITION d = after({{"e2", "e3"}, {"e7", "e6"}, {"e3", "e4"}, {"e6", "e5"}});
    EXPECT_EQ(c.side_to_move, d.side_to_move);
    EXPECT_EQ(c.hkey, d.hkey);
    EXPECT_NE(c.full_key(), d.full_key());
    EXPECT_NE(c.full_lock(), d.full_lock());
}

} // namespace
