#include "perft_command.h"

#include "rules/chess_fen_reader.h"
#include "rules/chess_perft.h"

#include <charconv>
#include <chrono>
#include <cmath>

namespace {

bool parse_depth(const std::string& text, int32_t& depth) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, depth);
    return error == std::errc() && ptr == end && depth >= 1 && depth <= 20;
}

std::string join(const std::vector<std::string>& words, size_t from) {
    std::string text;
    for (size_t i = from; i < words.size(); ++i) {
        text += (i == from ? "" : " ") + words[i];
    }
    return text;
}

} // namespace

int run_perft_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int32_t depth = 0;
    if (args.empty() || !parse_depth(args[0], depth)) {
        err << "perft: DEPTH must be a whole number from 1 to 20\n";
        return 2;
    }
    CHESS_FEN_READER reader;
    reader.read(args.size() > 1 ? join(args, 1) : CHESS_FEN_READER::start_position);
    if (reader.failed()) {
        err << "perft: " << reader.error_message() << "\n";
        return 2;
    }
    CHESS_POSITION board = reader.position();
    CHESS_PERFT perft;
    const auto started = std::chrono::steady_clock::now();
    const int64_t total = perft.divide(board, depth, [&out](const CHESS_MOVE& m, int64_t leaves) {
        out << m.uci_text() << ": " << leaves << "\n";
    });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    out << "\nNodes searched: " << total << "\n";
    out << "Nodes/second: " << std::llround(seconds > 0 ? total / seconds : 0.0) << "\n";
    return 0;
}
