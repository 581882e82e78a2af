// Reading positions from FEN text: what a well-formed FEN sets on the board, and a clear error,
// never a crash, for text that does not describe a playable position.
#include "rules/chess_fen_reader.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace {

CHESS_POSITION read_ok(const std::string& fen) {
    CHESS_FEN_READER reader;
    reader.read(fen);
    EXPECT_FALSE(reader.failed()) << fen << ": " << reader.error_message();
    EXPECT_TRUE(reader.error_message().empty());
    EXPECT_TRUE(reader.position().is_consistent()) << fen;
    return reader.position();
}

TEST(FenReader, StartPositionEqualsTheInitialPositionExactly) {
    CHESS_POSITION initial;
    initial.set_initial_position();
    const CHESS_POSITION read = read_ok(CHESS_FEN_READER::start_position);
    EXPECT_TRUE(read == initial);
    EXPECT_EQ(read.full_key(), initial.full_key());
    EXPECT_EQ(read.full_lock(), initial.full_lock());
}

TEST(FenReader, EnPassantTargetBecomesTheDoubleStepSquare) {
    const CHESS_POSITION after_e4 =
        read_ok("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    EXPECT_EQ(after_e4.state.double_move_white, 29);
    EXPECT_EQ(after_e4.state.double_move_black, 0);
    EXPECT_EQ(after_e4.side_to_move, 2);

    const CHESS_POSITION after_e5 =
        read_ok("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2");
    EXPECT_EQ(after_e5.state.double_move_black, 37);
    EXPECT_EQ(after_e5.state.double_move_white, 0);

    const CHESS_POSITION a_file = read_ok("4k3/8/8/8/Pp6/8/8/4K3 b - a3 0 1");
    EXPECT_EQ(a_file.state.double_move_white, sq("a4"));
    const CHESS_POSITION h_file = read_ok("4k3/8/8/6Pp/8/8/8/4K3 w - h6 0 1");
    EXPECT_EQ(h_file.state.double_move_black, sq("h5"));

    // The same position read through a game of moves has the same keys.
    CHESS_POSITION played;
    played.set_initial_position();
    CHESS_MOVE(CHESS_MOVE_CONSTANTS::move_pawn_double, 1, sq("e2"), sq("e4")).execute(played);
    EXPECT_TRUE(after_e4 == played);
}

TEST(FenReader, CastlingFieldSetsEachRight) {
    struct CASE {
        const char* castling;
        bool wk, wq, bk, bq;
    };
    const CASE cases[] = {
        {"KQkq", true, true, true, true}, {"-", false, false, false, false},
        {"K", true, false, false, false}, {"Qk", false, true, true, false},
        {"q", false, false, false, true}, {"kqKQ", true, true, true, true},
    };
    for (const CASE& c : cases) {
        const CHESS_POSITION board =
            read_ok(std::string("r3k2r/8/8/8/8/8/8/R3K2R w ") + c.castling + " - 0 1");
        EXPECT_EQ(board.state.white_kingside, c.wk) << c.castling;
        EXPECT_EQ(board.state.white_queenside, c.wq) << c.castling;
        EXPECT_EQ(board.state.black_kingside, c.bk) << c.castling;
        EXPECT_EQ(board.state.black_queenside, c.bq) << c.castling;
    }
}

TEST(FenReader, CountersAndOptionalFields) {
    const CHESS_POSITION board = read_ok("4k3/8/8/8/8/8/8/4K2R w K - 37 80");
    EXPECT_EQ(board.state.fifty_counter, 37);
    EXPECT_EQ(board.state.capture_piece, 0);
    EXPECT_EQ(board.state.capture_square, 0);
    // Without the two counters the position is still complete.
    EXPECT_EQ(read_ok("4k3/8/8/8/8/8/8/4K2R w K -").state.fifty_counter, 0);
    EXPECT_EQ(read_ok("4k3/8/8/8/8/8/8/4K2R w K - 12").state.fifty_counter, 12);
    // Surrounding and repeated blanks do not matter.
    EXPECT_EQ(read_ok("  4k3/8/8/8/8/8/8/4K2R   b  K  -  5  9 \n").side_to_move, 2);
}

TEST(FenReader, PiecesLandOnTheirSquares) {
    const CHESS_POSITION board = read_ok("r1b1k2r/8/8/8/8/8/8/1NBQK1n1 b - - 0 1");
    EXPECT_EQ(board.item(sq("a8")), 10);
    EXPECT_EQ(board.item(sq("b8")), 0);
    EXPECT_EQ(board.item(sq("c8")), 8);
    EXPECT_EQ(board.item(sq("h8")), 10);
    EXPECT_EQ(board.item(sq("b1")), 3);
    EXPECT_EQ(board.item(sq("c1")), 2);
    EXPECT_EQ(board.item(sq("d1")), 5);
    EXPECT_EQ(board.item(sq("g1")), 9);
    EXPECT_EQ(board.white_king_square, sq("e1"));
    EXPECT_EQ(board.black_king_square, sq("e8"));
}

struct BAD_FEN {
    const char* why;
    std::string fen;
    const char* message_part; // a word the error message must contain
};

TEST(FenReader, MalformedTextFailsWithAClearMessage) {
    const std::string kings = "4k3/8/8/8/8/8/8/4K3";
    const BAD_FEN cases[] = {
        {"empty", "", "field"},
        {"blanks only", " \t\n ", "field"},
        {"three fields", kings + " w -", "field"},
        {"seven fields", kings + " w - - 0 1 1", "field"},
        {"seven ranks", "4k3/8/8/8/8/8/4K3 w - - 0 1", "rank"},
        {"nine ranks", "4k3/8/8/8/8/8/8/8/4K3 w - - 0 1", "rank"},
        {"a short rank", "4k2/8/8/8/8/8/8/4K3 w - - 0 1", "rank"},
        {"nine files", "4k4/8/8/8/8/8/8/4K3 w - - 0 1", "rank"},
        {"nine files by a piece", "4k3p/8/8/8/8/8/8/4K3 w - - 0 1", "rank"},
        {"empty rank", "4k3//8/8/8/8/8/8/4K3 w - - 0 1", "rank"},
        {"unknown letter", "4k3/8/8/8/8/8/8/4K2X w - - 0 1", "X"},
        {"digit 9", "4k3/9/8/8/8/8/8/4K3 w - - 0 1", "9"},
        {"digit 0", "4k3/08/8/8/8/8/8/4K3 w - - 0 1", "0"},
        {"two white kings", "4k3/8/8/8/8/8/8/3KK3 w - - 0 1", "king"},
        {"two black kings", "3kk3/8/8/8/8/8/8/4K3 w - - 0 1", "king"},
        {"no black king", "8/8/8/8/8/8/8/4K3 w - - 0 1", "king"},
        {"no kings", "8/8/8/8/8/8/8/8 w - - 0 1", "king"},
        {"white pawn on rank 1", "4k3/8/8/8/8/8/8/P3K3 w - - 0 1", "pawn"},
        {"black pawn on rank 8", "p3k3/8/8/8/8/8/8/4K3 w - - 0 1", "pawn"},
        {"white pawn on rank 8", "P3k3/8/8/8/8/8/8/4K3 w - - 0 1", "pawn"},
        {"side x", kings + " x - - 0 1", "side"},
        {"side W", kings + " W - - 0 1", "side"},
        {"side white", kings + " white - - 0 1", "side"},
        {"castling without rook", kings + " w K - 0 1", "castling"},
        {"castling with king away", "r3k2r/8/8/8/8/8/8/R2K3R w Q - 0 1", "castling"},
        {"black castling without rook", "4k2r/8/8/8/8/8/8/4K3 w q - 0 1", "castling"},
        {"castling rook of the wrong colour", "4k2R/8/8/8/8/8/8/4K3 w k - 0 1", "castling"},
        {"unknown castling letter", "r3k2r/8/8/8/8/8/8/R3K2R w KX - 0 1", "castling"},
        {"castling dash among letters", "r3k2r/8/8/8/8/8/8/R3K2R w K- - 0 1", "castling"},
        {"en passant without the pawn", kings + " b - e3 0 1", "en-passant"},
        {"en passant by the side to move", "4k3/8/8/8/4P3/8/8/4K3 w - e3 0 1", "en-passant"},
        {"en passant with black pawn missing", kings + " w - d6 0 1", "en-passant"},
        {"en passant on rank 4", "4k3/8/8/8/4P3/8/8/4K3 b - e4 0 1", "en-passant"},
        {"en passant off the board", "4k3/8/8/8/4P3/8/8/4K3 b - i3 0 1", "en-passant"},
        {"en passant target occupied", "4k3/8/8/8/4P3/4n3/8/4K3 b - e3 0 1", "en-passant"},
        {"en passant too long", "4k3/8/8/8/4P3/8/8/4K3 b - e33 0 1", "en-passant"},
        {"half-move counter not a number", kings + " w - - x 1", "x"},
        {"half-move counter negative", kings + " w - - -1 1", "-1"},
        {"half-move counter fraction", kings + " w - - 1.5 1", "1.5"},
        {"half-move counter too large", kings + " w - - 99999999999 1", "99999999999"},
        {"move number not a number", kings + " w - - 0 one", "one"},
        {"side not to move in check", "4k3/8/8/8/8/8/8/4RK2 w - - 0 1", "check"},
        {"kings side by side", "8/8/8/3kK3/8/8/8/8 w - - 0 1", "check"},
        {"binary junk", std::string("\x00\xff\x01\x80 \xfe w - -", 12), ""},
        {"junk after valid start", std::string(CHESS_FEN_READER::start_position) + "\x07", ""},
        {"very long placement", std::string(100000, '8') + " w - - 0 1", ""},
        {"very long slashes", std::string(100000, '/') + " w - - 0 1", ""},
    };
    for (const BAD_FEN& c : cases) {
        CHESS_FEN_READER reader;
        reader.read(c.fen);
        EXPECT_TRUE(reader.failed()) << c.why;
        EXPECT_FALSE(reader.error_message().empty()) << c.why;
        EXPECT_NE(reader.error_message().find(c.message_part), std::string::npos)
            << c.why << ": \"" << reader.error_message() << "\" does not mention \""
            << c.message_part << "\"";
        EXPECT_EQ(reader.error_message().find('\n'), std::string::npos) << c.why;
    }
}

// A double step leaves the square it passed and the square it came from empty.
TEST(FenReader, EnPassantNeedsThePawnsStartSquareEmpty) {
    CHESS_FEN_READER reader;
    reader.read("4k3/8/8/8/4P3/8/4N3/4K3 b - e3 0 1");
    EXPECT_TRUE(reader.failed()) << "a pawn cannot have come from e2 while a knight stands there";
}

TEST(FenReader, ReaderCanBeReusedAfterAFailure) {
    CHESS_FEN_READER reader;
    reader.read("garbage");
    ASSERT_TRUE(reader.failed());
    reader.read(CHESS_FEN_READER::start_position);
    EXPECT_FALSE(reader.failed());
    EXPECT_TRUE(reader.error_message().empty());
    EXPECT_EQ(reader.position().white_king_square, sq("e1"));
    reader.read("8/8/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_TRUE(reader.failed());
}

} // namespace
