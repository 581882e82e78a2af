// Typed moves: standard notation and coordinates found among the legal moves, the lenient forms
// players type, and the reasons given for texts that name no move or more than one.
#include "rules/chess_move_parser.h"
#include "rules/chess_san.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const std::string start = CHESS_FEN_READER::start_position;
// White: knights on b3 and f3 both reach d2, rooks on a1 and a5 both reach a3, a pawn on e7
// that promotes on e8 or by taking on d8, castling both ways.
const std::string busy = "3n2k1/4P3/8/R7/8/1N3N2/8/R3K2R w KQ - 0 1";

struct TYPED_CASE {
    const std::string* fen;
    std::string typed;
    std::string uci; // the move found, or empty when the text fails
    std::string reason;
};

TEST(MoveParser, FindsTheMoveATextNamesOrSaysWhyNot) {
    const TYPED_CASE cases[] = {
        {&start, "e4", "e2e4", ""},
        {&start, "Nf3", "g1f3", ""},
        {&start, " Nf3+ ", "g1f3", ""}, // spaces and a check mark
        {&start, "Ng1f3", "g1f3", ""},  // more of the square than needed
        {&start, "e2e4", "e2e4", ""},
        {&start, "e2-e4", "e2e4", ""}, // the program's own move text
        {&busy, "Nbd2", "b3d2", ""},
        {&busy, "Nfd2", "f3d2", ""},
        {&busy, "R1a3", "a1a3", ""},
        {&busy, "R5a3", "a5a3", ""},
        {&busy, "O-O", "e1g1", ""},
        {&busy, "0-0-0", "e1c1", ""},
        {&busy, "e1g1", "e1g1", ""},
        {&busy, "e8=Q#", "e7e8", ""},
        {&busy, "exd8=N", "e7d8", ""},
        {&busy, "ed8Q", "e7d8", ""},
        {&busy, "e7e8r", "e7e8", ""},
        {&start, "", "", "type a move"},
        {&start, "hello", "", "not a move"},
        {&start, "e5", "", "illegal move"},
        {&start, "Nf6", "", "illegal move"},
        {&start, "exd3", "", "illegal move"},
        {&start, "O-O", "", "castling is not possible now"},
        {&start, "e2e4q", "", "illegal move"},
        {&busy, "Nd2", "", "ambiguous: Nbd2 or Nfd2"},
        {&busy, "Ra3", "", "ambiguous: R1a3 or R5a3"},
        {&busy, "e8", "", "add the promotion piece: =Q, =R, =B or =N"},
        {&busy, "e7d8", "", "add the promotion piece: =Q, =R, =B or =N"},
        {&busy, "e8=K", "", "illegal move"},
    };
    for (const TYPED_CASE& c : cases) {
        SCOPED_TRACE("typed '" + c.typed + "' on " + *c.fen);
        CHESS_MOVE_PARSER parser;
        parser.parse(position_from_fen(*c.fen), c.typed);
        EXPECT_EQ(parser.failed(), !c.reason.empty());
        EXPECT_EQ(parser.error_message(), c.reason);
        if (!c.uci.empty()) {
            EXPECT_EQ(parser.move().uci_text().substr(0, 4), c.uci);
        }
    }
}

TEST(MoveParser, PromotionsAndCastlingKeepTheirKind) {
    using M = CHESS_MOVE_CONSTANTS;
    const CHESS_POSITION board = position_from_fen(busy);
    CHESS_MOVE_PARSER parser;
    parser.parse(board, "exd8=N");
    EXPECT_EQ(parser.move().type, M::move_promote_knight);
    parser.parse(board, "e7e8r");
    EXPECT_EQ(parser.move().type, M::move_promote_rook);
    parser.parse(board, "O-O-O");
    EXPECT_EQ(parser.move().type, M::move_castle_queenside);
}

TEST(MoveParser, EveryMoveTextOfferedReadsBackAsItsMove) {
    for (const std::string* fen : {&start, &busy}) {
        const CHESS_POSITION board = position_from_fen(*fen);
        CHESS_MOVGEN generator;
        CHESS_POSITION scratch = board;
        std::vector<CHESS_MOVE> legal;
        generator.play_legal_moves(scratch, [&legal](const CHESS_MOVE& m) {
            legal.push_back(m);
            return true;
        });
        const std::vector<std::string> texts = CHESS_MOVE_PARSER::move_texts(board);
        ASSERT_EQ(texts.size(), legal.size());
        for (size_t i = 0; i < legal.size(); ++i) {
            SCOPED_TRACE(texts[i]);
            EXPECT_EQ(texts[i], CHESS_SAN::text(board, legal[i]));
            CHESS_MOVE_PARSER parser;
            parser.parse(board, texts[i]);
            ASSERT_FALSE(parser.failed()) << parser.error_message();
            EXPECT_EQ(describe(parser.move()), describe(legal[i]));
        }
    }
}

} // namespace
