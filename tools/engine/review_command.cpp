#include "review_command.h"

#include "engine/chess_game_review.h"
#include "game_command.h"

#include <charconv>
#include <sstream>

namespace {

constexpr int32_t deepest_review = 20;

bool parse_depth(const std::string& text, int32_t& depth) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, depth);
    return error == std::errc() && ptr == end && depth >= 1 && depth <= deepest_review;
}

std::string mark_text(CHESS_REVIEW_MARK mark) {
    switch (mark) {
    case CHESS_REVIEW_MARK::blunder:
        return " blunder";
    case CHESS_REVIEW_MARK::mistake:
        return " mistake";
    case CHESS_REVIEW_MARK::missed_win:
        return " missed-win";
    case CHESS_REVIEW_MARK::best:
        return " best";
    case CHESS_REVIEW_MARK::none:
        break;
    }
    return "";
}

std::string review_text(const CHESS_SAVED_GAME& saved, int32_t depth) {
    CHESS_GAME_REVIEW review(depth);
    review.run(saved.game, saved.options.player_color);
    std::ostringstream text;
    for (const CHESS_REVIEWED_PLY& ply : review.plies()) {
        text << ply.ply << (ply.side == CHESS_GENERAL_CONSTANTS::white ? " W " : " B ")
             << ply.played << " " << ply.before.text() << " " << ply.after.text()
             << mark_text(ply.mark) << "\n";
    }
    text << "\n";
    for (const CHESS_TURNING_POINT& point : review.turning_points()) {
        if (point.kind == CHESS_TURNING_POINT::KIND::best_move) {
            continue; // nothing was lost there
        }
        const CHESS_REVIEWED_PLY& ply = review.ply(point.ply);
        text << "turning point: ply " << ply.ply << ": " << ply.played << " (better " << ply.better
             << ", loses " << ply.loss << ")\n";
    }
    return text.str();
}

} // namespace

int run_review_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    int32_t depth = CHESS_GAME_REVIEW::default_depth;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--depth") {
            files.push_back(args[i]);
        } else if (i + 1 == args.size() || !parse_depth(args[++i], depth)) {
            err << "review: --depth wants a whole number from 1 to " << deepest_review << "\n";
            return 2;
        }
    }
    if (files.size() != 1) {
        err << "usage: velmora-engine review FILE [--depth N]\n";
        return 2;
    }
    return run_with_saved_game(
        files, "review",
        [depth](const CHESS_SAVED_GAME& saved) { return review_text(saved, depth); }, out, err);
}
