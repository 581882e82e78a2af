// Standard algebraic notation: what each kind of move writes, how much of the from-square tells
// a move apart, and the check and mate marks.
#include "rules/chess_san.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The one generated move from..to (with the given type, when one is given) of the position.
CHESS_MOVE generated(CHESS_POSITION& board, const std::string& uci, int32_t type = 0) {
    CHESS_MOVGEN generator;
    for (const CHESS_MOVE& m : returned_moves(generator, board)) {
        if (m.uci_text().substr(0, 4) == uci && (type == 0 || m.type == type)) {
            return m;
        }
    }
    ADD_FAILURE() << uci << " is not generated";
    return CHESS_MOVE();
}

} // namespace

TEST(StandardNotation, EachKindOfMoveWritesItsText) {
    using M = CHESS_MOVE_CONSTANTS;
    const std::string start = CHESS_FEN_READER::start_position;
    struct CASE {
        std::string fen;
        std::string uci;
        int32_t type;
        std::string san;
    };
    const CASE cases[] = {
        {start, "e2e4", 0, "e4"},
        {start, "g1f3", 0, "Nf3"},
        {"4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "e4d5", 0, "exd5"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6", 0, "exd6"},
        {"r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "b7a8", M::move_promote_queen, "bxa8=Q+"},
        {"r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "b7b8", M::move_promote_knight, "b8=N"},
        {"5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1", 0, "O-O+"},
        {"r3k3/8/8/8/8/8/8/4K3 b q - 0 1", "e8c8", 0, "O-O-O"},
        {"rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq g3 0 2", "d8h4", 0, "Qh4#"},
        // Another knight reaches d2: the file tells them apart.
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "b1d2", 0, "Nbd2"},
        // Both rooks stand on the a-file: the rank does.
        {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1a3", 0, "R1a3"},
        // A queen on the same file and another on the same rank: only the square does.
        {"2k5/8/8/8/4Q2Q/8/8/K6Q w - - 0 1", "h4e1", 0, "Qh4e1"},
        // A pinned knight is no rival.
        {"k3r3/8/8/1N6/8/8/4N3/4K3 w - - 0 1", "b5d4", 0, "Nd4"},
    };
    for (const CASE& c : cases) {
        CHESS_POSITION board = position_from_fen(c.fen);
        const CHESS_POSITION before = board;
        const CHESS_MOVE m = generated(board, c.uci, c.type);
        EXPECT_EQ(CHESS_SAN::text(board, m), c.san) << c.fen << " " << c.uci;
        EXPECT_TRUE(board == before) << c.fen;
    }
}
