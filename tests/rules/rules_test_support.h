// Small helpers shared by the rules tests: positions from FEN text and the moves a generator
// returns, in order.
#pragma once

#include "rules/chess_fen_reader.h"
#include "rules/chess_move.h"
#include "rules/chess_movgen.h"
#include "rules/chess_position.h"

#include <gtest/gtest.h>
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
