// Small helpers shared by the rules tests: positions from FEN text and the moves a generator
// returns, in order.
#pragma once

#include "rules/chess_fen_reader.h"
#include "rules/chess_move.h"
#include "rules/chess_movgen.h"
#include "rules/chess_position.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

inline CHESS_POSITION position_from_fen(const std::string& fen) {
    CHESS_FEN_READER reader;
    reader.read(fen);
    EXPECT_FALSE(reader.failed()) << fen << ": " << reader.error_message();
    return reader.position();
}

// Every move the generator returns after start, in the order returned.
inline std::vector<CHESS_MOVE> returned_moves(CHESS_MOVGEN& generator, CHESS_POSITION& board) {
    std::vector<CHESS_MOVE> moves;
    for (generator.start(board); generator.has_item(); generator.forth()) {
        moves.push_back(generator.item());
    }
    return moves;
}

inline std::string square_text(int32_t s) {
    return CHESS_SQUARE_CONSTANTS::square_name(s);
}

// "e2e4" style with the type, for readable failure messages.
inline std::string describe(const CHESS_MOVE& m) {
    return m.uci_text() + "/" + std::to_string(m.type) + "/" + std::to_string(m.piece);
}

inline std::vector<std::string> describe(const std::vector<CHESS_MOVE>& moves) {
    std::vector<std::string> texts;
    for (const CHESS_MOVE& m : moves) {
        texts.push_back(describe(m));
    }
    return texts;
}

// Square number from a name such as "e4".
inline int32_t sq(const char* name) {
    return CHESS_SQUARE_CONSTANTS::square(name[0] - 'a' + 1, name[1] - '0');
}

struct PLACED_PIECE {
    const char* square;
    int32_t piece;
};

// A board holding exactly the given pieces, with no castling rights, side to move as given.
inline CHESS_POSITION board_with(std::initializer_list<PLACED_PIECE> pieces, int32_t side = 1) {
    CHESS_POSITION board;
    board.clear();
    for (const PLACED_PIECE& p : pieces) {
        board.put_piece(sq(p.square), p.piece);
    }
    board.side_to_move = side;
    board.state.white_kingside = board.state.white_queenside = false;
    board.state.black_kingside = board.state.black_queenside = false;
    return board;
}

// The moves of one piece, in the order the generator returns them.
inline std::vector<std::string> moves_from(CHESS_POSITION& board, const char* square) {
    CHESS_MOVGEN generator;
    std::vector<std::string> texts;
    for (const CHESS_MOVE& m : returned_moves(generator, board)) {
        if (m.src == sq(square)) {
            texts.push_back(m.uci_text());
        }
    }
    return texts;
}
