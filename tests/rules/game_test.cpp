// A game as the player sees it: legal moves only, the result flags after every change, taking
// moves back, looking at earlier positions, and the move texts of the history list.
#include "rules/chess_game.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using M = CHESS_MOVE_CONSTANTS;

enum : int32_t { WP = 1, WB, WN, WR, WQ, WK, BP, BB, BN, BR, BQ, BK };

// The legal move written as "e2e4" or "e7e8q"; fails the test when the game has none.
CHESS_MOVE legal(const CHESS_GAME& game, const std::string& uci) {
    int32_t promotion = 0;
    if (uci.size() == 5) {
        const std::string letters = "bnrq"; // bishop 2, knight 3, rook 4, queen 5
        promotion = CHESS_PIECE_CONSTANTS::piece(static_cast<int32_t>(letters.find(uci[4])) + 2,
                                                 game.side_to_move());
    }
    const auto m =
        game.find_legal_move(sq(uci.substr(0, 2).c_str()), sq(uci.substr(2, 2).c_str()), promotion);
    EXPECT_TRUE(m.has_value()) << uci << " is not legal";
    return m.value_or(CHESS_MOVE());
}

void play(CHESS_GAME& game, std::initializer_list<const char*> moves) {
    for (const char* uci : moves) {
        const CHESS_MOVE m = legal(game, uci);
        ASSERT_FALSE(m.is_void()) << uci;
        game.make_move(m);
    }
}

CHESS_GAME game_from(const char* fen) {
    return CHESS_GAME(position_from_fen(fen));
}

bool has_legal(const CHESS_GAME& game, const std::string& uci) {
    for (const CHESS_MOVE& m : game.legal_moves()) {
        if (m.uci_text() == uci) {
            return true;
        }
    }
    return false;
}

TEST(Game, StartsFromTheInitialPositionWithTwentyMoves) {
    const CHESS_GAME game;
    CHESS_POSITION initial;
    initial.set_initial_position();
    EXPECT_TRUE(game.board() == initial);
    EXPECT_EQ(game.side_to_move(), 1);
    EXPECT_FALSE(game.has_moves());
    EXPECT_FALSE(game.is_over());
    EXPECT_EQ(game.legal_moves().size(), 20u);
}

TEST(Game, FoolsMate) {
    CHESS_GAME game;
    play(game, {"f2f3", "e7e5", "g2g4", "d8h4"});
    EXPECT_TRUE(game.check_mate());
    EXPECT_FALSE(game.stale_mate());
    EXPECT_FALSE(game.draw());
    EXPECT_TRUE(game.is_over());
    EXPECT_EQ(game.move_count(), 4);
    EXPECT_EQ(game.last_move_text(), "d8-h4+");
    EXPECT_EQ(game.last_move().uci_text(), "d8h4");
    EXPECT_TRUE(game.legal_moves().empty());

    game.take_back();
    EXPECT_FALSE(game.is_over());
    EXPECT_EQ(game.last_move_text(), "g2-g4");
}

TEST(Game, StalemateEvenWithAHighFiftyCounter) {
    CHESS_GAME game = game_from("7k/4Q3/6K1/8/8/8/8/8 w - - 150 90");
    EXPECT_TRUE(game.draw()); // White can move: the fifty-move rule applies
    play(game, {"e7f7"});
    EXPECT_TRUE(game.stale_mate());
    EXPECT_FALSE(game.check_mate());
    EXPECT_FALSE(game.draw());
    EXPECT_EQ(game.last_move_text(), "e7-f7");
}

TEST(Game, FiftyMoveRuleNeedsMoreThanOneHundredPlies) {
    CHESS_GAME at_limit = game_from("4k3/8/8/8/8/8/8/R3K3 w - - 100 80");
    EXPECT_FALSE(at_limit.draw());
    play(at_limit, {"a1a2"});
    EXPECT_EQ(at_limit.board().state.fifty_counter, 101);
    EXPECT_TRUE(at_limit.draw());
    EXPECT_TRUE(at_limit.is_over());
    at_limit.take_back();
    EXPECT_FALSE(at_limit.draw());

    EXPECT_TRUE(game_from("4k3/8/8/8/8/8/8/R3K3 b - - 101 80").draw());
    // In check with a way out: no flag at all.
    const CHESS_GAME in_check = game_from("4k3/8/8/8/8/8/8/4R1K1 b - - 120 80");
    EXPECT_FALSE(in_check.draw());
    EXPECT_FALSE(in_check.is_over());
    // A capture resets the counter, so the draw never comes.
    CHESS_GAME capture = game_from("4k3/8/8/8/8/8/r7/R3K3 w - - 100 80");
    play(capture, {"a1a2"});
    EXPECT_FALSE(capture.draw());
}

TEST(Game, CheckmateFromAGivenPosition) {
    const CHESS_GAME mated = game_from("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1");
    EXPECT_TRUE(mated.check_mate());
    EXPECT_TRUE(mated.legal_moves().empty());
}

TEST(Game, FindLegalMoveChoosesThePromotionByPiece) {
    const CHESS_GAME white = game_from("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    const struct {
        int32_t piece;
        int32_t type;
    } white_cases[] = {{WN, M::move_promote_knight},
                       {WQ, M::move_promote_queen},
                       {WR, M::move_promote_rook},
                       {WB, M::move_promote_bishop}};
    for (const auto& c : white_cases) {
        const auto m = white.find_legal_move(sq("b7"), sq("b8"), c.piece);
        ASSERT_TRUE(m.has_value()) << c.piece;
        EXPECT_EQ(m->type, c.type);
        EXPECT_EQ(m->piece, WP);
    }
    // The promotion piece carries the colour: a black knight is not a white promotion.
    EXPECT_FALSE(white.find_legal_move(sq("b7"), sq("b8"), BN).has_value());
    EXPECT_FALSE(white.find_legal_move(sq("b7"), sq("b8"), WK).has_value());
    EXPECT_FALSE(white.find_legal_move(sq("b7"), sq("b8"), 0).has_value());

    const CHESS_GAME black = game_from("4k3/8/8/8/8/8/6p1/4K2R b - - 0 1");
    const auto capture = black.find_legal_move(sq("g2"), sq("h1"), BN);
    ASSERT_TRUE(capture.has_value());
    EXPECT_EQ(capture->type, M::move_promote_knight);
    EXPECT_FALSE(black.find_legal_move(sq("g2"), sq("h1"), WN).has_value());

    // For other moves the promotion piece is ignored; illegal moves give nothing.
    const CHESS_GAME game;
    EXPECT_TRUE(game.find_legal_move(sq("e2"), sq("e4"), WQ).has_value());
    EXPECT_FALSE(game.find_legal_move(sq("e2"), sq("e5"), 0).has_value());
    EXPECT_FALSE(game.find_legal_move(sq("e7"), sq("e5"), 0).has_value());
    EXPECT_FALSE(game.find_legal_move(0, 0, 0).has_value());
}

TEST(Game, CastlingIntoAnAttackedSquareIsNotLegal) {
    const CHESS_GAME game = game_from("4k1r1/8/8/8/8/8/8/R3K2R w KQ - 0 1");
    EXPECT_FALSE(has_legal(game, "e1g1"));
    EXPECT_FALSE(game.find_legal_move(sq("e1"), sq("g1"), 0).has_value());
    EXPECT_TRUE(has_legal(game, "e1c1"));
}

TEST(Game, MovesThatLeaveTheKingAttackedAreNotLegal) {
    // The bishop is pinned; the king may not step next to the other king.
    const CHESS_GAME game = game_from("8/4r3/8/8/8/2k5/4B3/4K3 w - - 0 1");
    for (const CHESS_MOVE& m : game.legal_moves()) {
        EXPECT_NE(m.src, sq("e2")) << describe(m);
        EXPECT_NE(m.dst, sq("d2")) << describe(m);
        EXPECT_NE(m.dst, sq("e2")) << describe(m);
    }
    EXPECT_TRUE(has_legal(game, "e1f1"));

    // Taking en passant would clear the rank between king and rook: generated, not legal.
    const CHESS_GAME pinned = game_from("8/8/8/KPp4r/8/8/8/7k w - c6 0 1");
    EXPECT_FALSE(has_legal(pinned, "b5c6"));
    EXPECT_TRUE(has_legal(pinned, "b5b6"));
}

TEST(Game, TakeBackOfTheFirstMoveRestoresTheInitialPositionExactly) {
    CHESS_GAME game;
    const CHESS_POSITION initial = game.board();
    play(game, {"e2e4"});
    EXPECT_EQ(game.board().state.double_move_white, 29);
    game.take_back();
    EXPECT_TRUE(game.board() == initial);
    EXPECT_EQ(game.board().full_key(), initial.full_key());
    EXPECT_EQ(game.board().full_lock(), initial.full_lock());
    EXPECT_TRUE(game.board().state.white_kingside && game.board().state.black_queenside);
    EXPECT_FALSE(game.has_moves());
    EXPECT_EQ(game.side_to_move(), 1);
}

TEST(Game, TakeBackUndoesCastlingAndKeepsEarlierHistory) {
    CHESS_GAME game;
    play(game, {"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "g8f6"});
    const CHESS_POSITION before = game.board();
    play(game, {"e1g1"});
    EXPECT_EQ(game.last_move_text(), "o-o");
    EXPECT_FALSE(game.board().state.white_kingside);
    EXPECT_FALSE(game.board().state.white_queenside);
    game.take_back();
    EXPECT_TRUE(game.board() == before);
    EXPECT_EQ(game.move_count(), 6);
    EXPECT_EQ(game.last_move_text(), "g8-f6");
}

TEST(Game, RestoreCopiesTheItemsBoardAndRecomputesFlags) {
    CHESS_GAME game;
    play(game, {"f2f3", "e7e5", "g2g4", "d8h4"});
    ASSERT_TRUE(game.check_mate());
    const CHESS_GAME_HISTORY_ITEM item = game.history()[2];
    game.remove_last_history_item();
    game.remove_last_history_item();
    game.restore(item);
    EXPECT_FALSE(game.check_mate());
    EXPECT_TRUE(game.board() == item.board);
    EXPECT_EQ(game.move_count(), 2);
    EXPECT_EQ(game.side_to_move(), 1);
}

TEST(Game, PieceAtShowsTheBoardBeforeEachMove) {
    CHESS_GAME game;
    play(game, {"e2e4", "d7d5", "e4d5"});
    EXPECT_EQ(game.piece_at(5, 2, 0), WP); // before move 1 the pawn is still on e2
    EXPECT_EQ(game.piece_at(5, 4, 0), 0);
    EXPECT_EQ(game.piece_at(5, 4, 1), WP); // before move 2
    EXPECT_EQ(game.piece_at(4, 5, 2), BP); // before move 3 the black pawn stands on d5
    EXPECT_EQ(game.piece_at(4, 5, 3), WP); // now
    EXPECT_EQ(game.piece_at(4, 5, 99), WP);
    EXPECT_EQ(game.piece_at(5, 1, 3), WK);
}

TEST(Game, CapturedPiecesPerSideInOrder) {
    CHESS_GAME game;
    play(game, {"e2e4", "d7d5", "e4d5", "d8d5", "b1c3", "d5g2", "f1g2"});
    using KINDS = std::vector<int32_t>;
    EXPECT_EQ(game.captured_pieces(1, 7), (KINDS{1, 5}));
    EXPECT_EQ(game.captured_pieces(2, 7), (KINDS{1, 1}));
    EXPECT_EQ(game.captured_pieces(1, 3), (KINDS{1}));
    EXPECT_EQ(game.captured_pieces(2, 3), KINDS{});
    EXPECT_EQ(game.captured_pieces(2, 4), (KINDS{1}));
    EXPECT_EQ(game.captured_pieces(1, 0), KINDS{});

    CHESS_GAME en_passant;
    play(en_passant, {"e2e4", "g8f6", "e4e5", "d7d5", "e5d6"});
    EXPECT_EQ(en_passant.last_move_text(), "e5xd6 e.p.");
    EXPECT_EQ(en_passant.captured_pieces(1, 5), (KINDS{1}));
    EXPECT_EQ(en_passant.captured_pieces(2, 5), KINDS{});
}

TEST(MoveText, Forms) {
    struct CASE {
        const char* fen;
        CHESS_MOVE move;
        const char* text;
    };
    const CASE cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
         CHESS_MOVE(M::move_pawn_double, WP, sq("e2"), sq("e4")), "e2-e4"},
        {"rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2",
         CHESS_MOVE(M::move_pawn, WP, sq("e4"), sq("d5")), "e4xd5"},
        {"7k/4P3/8/8/8/8/8/4K3 w - - 0 1",
         CHESS_MOVE(M::move_promote_queen, WP, sq("e7"), sq("e8")), "e7-e8+ =Q"},
        {"7k/4P3/8/8/8/8/8/4K3 w - - 0 1", CHESS_MOVE(M::move_promote_rook, WP, sq("e7"), sq("e8")),
         "e7-e8+ =R"},
        {"7k/4P3/8/8/8/8/8/4K3 w - - 0 1",
         CHESS_MOVE(M::move_promote_knight, WP, sq("e7"), sq("e8")), "e7-e8 =N"},
        {"4k3/8/8/8/8/8/6p1/4K2R b - - 0 1",
         CHESS_MOVE(M::move_promote_bishop, BP, sq("g2"), sq("h1")), "g2xh1 =B"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1",
         CHESS_MOVE(M::move_en_passant, WP, sq("e5"), sq("d6")), "e5xd6 e.p."},
        {"5k2/8/8/8/8/8/8/4K2R w K - 0 1",
         CHESS_MOVE(M::move_castle_kingside, WK, sq("e1"), sq("g1")), "o-o+"},
        {"4k3/8/8/8/8/8/8/R3K3 w Q - 0 1",
         CHESS_MOVE(M::move_castle_queenside, WK, sq("e1"), sq("c1")), "o-o-o"},
        {"r3k3/8/8/8/8/8/8/3K4 b q - 0 1",
         CHESS_MOVE(M::move_castle_queenside, BK, sq("e8"), sq("c8")), "o-o-o+"},
        // Pseudo-legal moves that leave the own king attacked say so in front.
        {"4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1", CHESS_MOVE(M::move_normal, WB, sq("e2"), sq("d3")),
         "(InCheck) e2-d3"},
        {"4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1", CHESS_MOVE(M::move_normal, WB, sq("e2"), sq("b5")),
         "(InCheck) e2-b5+"},
    };
    for (const CASE& c : cases) {
        const CHESS_GAME game = game_from(c.fen);
        const CHESS_POSITION before = game.board();
        EXPECT_EQ(game.move_text(c.move), c.text) << c.fen;
        EXPECT_TRUE(game.board() == before) << "move text changed the board: " << c.fen;
        // CHESS_MOVE::out leaves its own board as it found it too.
        CHESS_POSITION board = game.board();
        EXPECT_EQ(c.move.out(board), c.text);
        EXPECT_TRUE(board == before) << c.fen;
    }
}

} // namespace
