#include "engine/chess_game_review.h"

#include "rules/chess_san.h"

#include <algorithm>

namespace {

// Every real score of the engine lies far below this; mate scores lie within a game's length of
// the mate base.
constexpr int32_t mate_threshold = CHESS_SEARCH::mate_base - 1000;

bool is_mate_score(int32_t score) {
    return score >= mate_threshold || score <= -mate_threshold;
}

bool mates_for(const CHESS_REVIEW_SCORE& score, int32_t side) {
    return score.mate && score.winner == side;
}

// A score as a number the review can subtract, from side's point of view: a mate is worth a
// fixed amount beyond every capped evaluation, whatever its distance.
int32_t value_for(const CHESS_REVIEW_SCORE& score, int32_t side) {
    const int32_t white_value =
        score.mate ? (score.winner == CHESS_GENERAL_CONSTANTS::white ? 1 : -1) *
                         CHESS_GAME_REVIEW::mate_value
                   : std::clamp(score.centipawns, -CHESS_GAME_REVIEW::evaluation_cap,
                                CHESS_GAME_REVIEW::evaluation_cap);
    return side == CHESS_GENERAL_CONSTANTS::white ? white_value : -white_value;
}

} // namespace

std::string CHESS_REVIEW_SCORE::text() const {
    if (mate) {
        return (winner == CHESS_GENERAL_CONSTANTS::white ? "#" : "#-") + std::to_string(mate_moves);
    }
    return std::to_string(centipawns);
}

CHESS_GAME_REVIEW::CHESS_GAME_REVIEW(int32_t depth) : depth_(depth) {}

void CHESS_GAME_REVIEW::stop() {
    stop_requested_ = true;
    engine_.terminate();
}

bool CHESS_GAME_REVIEW::run(const CHESS_GAME& game, int32_t player_color,
                            const PROGRESS& progress) {
    player_color_ = player_color;
    plies_.clear();
    const int32_t total = game.move_count();
    for (int32_t ply = 1; ply <= total; ++ply) {
        CHESS_REVIEWED_PLY reviewed = review_ply(game, ply);
        if (stop_requested_) {
            plies_.clear();
            return false;
        }
        plies_.push_back(std::move(reviewed));
        if (progress) {
            progress(ply, total);
        }
    }
    mark_plies();
    return true;
}

// The position before ply, searched afresh to the review's depth; root_moves, when given, are
// the only moves searched there. The boards before it count for repetition, as in the game.
CHESS_GAME_REVIEW::RESULT CHESS_GAME_REVIEW::search(const CHESS_GAME& game, int32_t ply,
                                                    const std::vector<CHESS_MOVE>& root_moves) {
    const std::vector<CHESS_GAME_HISTORY_ITEM>& history = game.history();
    const std::vector<CHESS_GAME_HISTORY_ITEM> earlier(history.begin(), history.begin() + ply - 1);
    engine_.reset(depth_, std::chrono::hours(1), true);
    CHESS_SEARCH_LIMITS limits;
    limits.max_ply = depth_;
    limits.want_qsearch = true;
    // A position past the fifty-move limit still gets a score and a move.
    limits.fifty_move_draw = false;
    limits.root_moves = root_moves;
    engine_.set_limits(std::move(limits));

    RESULT result;
    engine_.set_iteration_observer([&result](const CHESS_ITERATION_REPORT& report) {
        result.score = report.score;
        result.line = report.line;
    });
    engine_.search(history[static_cast<size_t>(ply - 1)].board, earlier);
    engine_.set_iteration_observer({});
    return result;
}

CHESS_REVIEWED_PLY CHESS_GAME_REVIEW::review_ply(const CHESS_GAME& game, int32_t ply) {
    const CHESS_GAME_HISTORY_ITEM& item = game.history()[static_cast<size_t>(ply - 1)];
    const int32_t mover = item.board.side_to_move;
    const RESULT best = search(game, ply, {});
    const bool engine_agrees = best.line.empty() || best.line.front() == item.move;
    const RESULT played = engine_agrees ? best : search(game, ply, {item.move});

    CHESS_REVIEWED_PLY reviewed;
    reviewed.ply = ply;
    reviewed.side = mover;
    reviewed.move = item.move;
    reviewed.played = CHESS_SAN::text(item.board, item.move);
    reviewed.before = white_view(best.score, mover, 0);
    reviewed.after = white_view(played.score, mover, 1);
    reviewed.better_move = best.line.empty() ? item.move : best.line.front();
    reviewed.line = san_line(item.board, best.line);
    reviewed.better = reviewed.line.empty() ? reviewed.played : reviewed.line.front();
    reviewed.loss =
        std::max(0, value_for(reviewed.before, mover) - value_for(reviewed.after, mover));
    reviewed.walked_into_mate =
        mates_for(reviewed.after, opponent(mover)) && !mates_for(reviewed.before, opponent(mover));
    return reviewed;
}

// score is the search's, from mover's side in the position before the move; plies_played moves
// the mate's distance on to the position the score is shown for.
CHESS_REVIEW_SCORE CHESS_GAME_REVIEW::white_view(int32_t score, int32_t mover,
                                                 int32_t plies_played) {
    CHESS_REVIEW_SCORE view;
    if (is_mate_score(score)) {
        const int32_t plies = CHESS_SEARCH::mate_base - std::abs(score) - plies_played;
        view.mate = true;
        view.winner = score > 0 ? mover : opponent(mover);
        view.mate_moves = (plies + 1) / 2;
        view.centipawns = view.winner == white ? mate_value : -mate_value;
    } else {
        view.centipawns = mover == white ? score : -score;
    }
    return view;
}

void CHESS_GAME_REVIEW::mark_plies() {
    for (CHESS_REVIEWED_PLY& reviewed : plies_) {
        const int32_t side = reviewed.side;
        const bool win_slipped =
            (mates_for(reviewed.before, side) && !mates_for(reviewed.after, side)) ||
            (value_for(reviewed.before, side) >= winning_lead &&
             value_for(reviewed.after, side) < winning_lead);
        const bool delivers_mate =
            mates_for(reviewed.after, side) && reviewed.after.mate_moves == 0;
        const bool punishes =
            reviewed.ply > 1 && plies_[static_cast<size_t>(reviewed.ply - 2)].loss >= mistake_loss;
        if (reviewed.walked_into_mate) {
            reviewed.mark = CHESS_REVIEW_MARK::blunder;
        } else if (win_slipped && reviewed.loss >= mistake_loss) {
            reviewed.mark = CHESS_REVIEW_MARK::missed_win;
        } else if (reviewed.loss >= blunder_loss) {
            reviewed.mark = CHESS_REVIEW_MARK::blunder;
        } else if (reviewed.loss >= mistake_loss) {
            reviewed.mark = CHESS_REVIEW_MARK::mistake;
        } else if (reviewed.move == reviewed.better_move && (delivers_mate || punishes)) {
            reviewed.mark = CHESS_REVIEW_MARK::best;
        }
    }
}

std::vector<CHESS_TURNING_POINT> CHESS_GAME_REVIEW::turning_points(size_t limit) const {
    using KIND = CHESS_TURNING_POINT::KIND;
    std::vector<CHESS_TURNING_POINT> errors;
    std::optional<CHESS_TURNING_POINT> her_worst;
    std::optional<CHESS_TURNING_POINT> best_move;
    int32_t her_worst_loss = mistake_loss - 1;
    int32_t best_gain = -1;
    for (const CHESS_REVIEWED_PLY& reviewed : plies_) {
        const bool players = reviewed.side == player_color_;
        if (!players && reviewed.loss > her_worst_loss) {
            her_worst_loss = reviewed.loss;
            her_worst = CHESS_TURNING_POINT{KIND::her_mistake, reviewed.ply};
        }
        if (!players) {
            continue;
        }
        switch (reviewed.mark) {
        case CHESS_REVIEW_MARK::blunder:
            errors.push_back({KIND::blunder, reviewed.ply});
            break;
        case CHESS_REVIEW_MARK::mistake:
            errors.push_back({KIND::mistake, reviewed.ply});
            break;
        case CHESS_REVIEW_MARK::missed_win:
            errors.push_back({KIND::missed_win, reviewed.ply});
            break;
        case CHESS_REVIEW_MARK::best: {
            // A mate counts above any punished mistake.
            const int32_t gain = reviewed.after.mate && reviewed.after.mate_moves == 0
                                     ? mate_value
                                     : plies_[static_cast<size_t>(reviewed.ply - 2)].loss;
            if (gain > best_gain) {
                best_gain = gain;
                best_move = CHESS_TURNING_POINT{KIND::best_move, reviewed.ply};
            }
            break;
        }
        case CHESS_REVIEW_MARK::none:
            break;
        }
    }
    std::stable_sort(errors.begin(), errors.end(), [this](const auto& a, const auto& b) {
        return ply(a.ply).loss > ply(b.ply).loss;
    });

    std::vector<CHESS_TURNING_POINT> candidates(
        errors.begin(), errors.begin() + std::min<size_t>(2, errors.size()));
    if (her_worst) {
        candidates.push_back(*her_worst);
    }
    if (best_move) {
        candidates.push_back(*best_move);
    }
    candidates.insert(candidates.end(), errors.begin() + std::min<size_t>(2, errors.size()),
                      errors.end());
    candidates.resize(std::min(limit, candidates.size()));
    std::sort(candidates.begin(), candidates.end(),
              [](const auto& a, const auto& b) { return a.ply < b.ply; });
    return candidates;
}

std::vector<std::string> CHESS_GAME_REVIEW::san_line(CHESS_POSITION board,
                                                     const std::vector<CHESS_MOVE>& line) {
    std::vector<std::string> texts;
    for (const CHESS_MOVE& m : line) {
        if (!m.fits(board)) {
            break;
        }
        texts.push_back(CHESS_SAN::text(board, m));
        m.execute(board);
    }
    return texts;
}
