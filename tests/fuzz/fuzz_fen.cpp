// Fuzz target: the FEN reader. Checks: nothing crashes, and every position it accepts is one the
// rules can work with: its incremental sums agree with its squares, and stay so through making
// and taking back every legal move and a small perft.
#include "rules/chess_fen_reader.h"
#include "rules/chess_game.h"
#include "rules/chess_perft.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CHESS_FEN_READER reader;
    reader.read(std::string(reinterpret_cast<const char*>(data), size));
    if (reader.failed()) {
        if (reader.error_message().empty()) {
            std::abort();
        }
        return 0;
    }
    CHESS_POSITION board = reader.position();
    if (!board.is_consistent()) {
        std::abort();
    }
    CHESS_GAME game(board);
    for (const CHESS_MOVE& m : game.legal_moves()) {
        const std::string text = game.move_text(m);
        game.make_move(m);
        if (!game.board().is_consistent()) {
            std::abort();
        }
        game.take_back();
        if (!(game.board() == board) || text.empty()) {
            std::abort();
        }
    }
    CHESS_PERFT perft;
    perft.count(board, 2);
    if (!(board == reader.position())) {
        std::abort();
    }
    return 0;
}
