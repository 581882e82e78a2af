// Fuzz target: the saved game reader. Checks: nothing crashes or hangs, a failure always has a
// message, and a game that reads back is written and read again into the very same game,
// options, nickname and resignation mark.
#include "fuzz_input_file.h"
#include "saved_games/chess_game_file.h"

#include <cstdlib>

namespace {

bool same_moves(const CHESS_GAME& a, const CHESS_GAME& b) {
    if (a.move_count() != b.move_count() || !(a.board() == b.board())) {
        return false;
    }
    for (int32_t i = 0; i < a.move_count(); ++i) {
        if (!(a.history()[i].move == b.history()[i].move)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FUZZ_INPUT_FILE input(".txt");
    static FUZZ_INPUT_FILE copy(".copy.txt");
    CHESS_GAME_FILE file(input.hold(data, size));
    file.read();
    if (file.failed()) {
        if (file.error_message().empty()) {
            std::abort();
        }
        return 0;
    }
    const CHESS_SAVED_GAME& first = file.saved_game();
    const std::string text =
        CHESS_GAME_FILE::text(first.game, first.options, first.nickname, first.resigned);
    CHESS_GAME_FILE again(copy.hold(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    again.read();
    const CHESS_SAVED_GAME& second = again.saved_game();
    if (again.failed() || !same_moves(first.game, second.game) ||
        second.nickname != first.nickname || second.resigned != first.resigned ||
        !(second.options == first.options)) {
        std::abort(); // what was written does not read back as the same game
    }
    return 0;
}
