#include "chess_uci_go.h"

#include "uci_move_text.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {

bool parse_number(const std::string& text, int64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && ptr == end;
}

bool is_keyword(const std::string& word) {
    static const char* const keywords[] = {"searchmoves", "ponder", "wtime",     "btime",
                                           "winc",        "binc",   "movestogo", "depth",
                                           "nodes",       "mate",   "movetime",  "infinite"};
    return std::find(std::begin(keywords), std::end(keywords), word) != std::end(keywords);
}

} // namespace

CHESS_UCI_GO::CHESS_UCI_GO(const std::string& arguments, const CHESS_GAME& game) : game_(game) {
    std::istringstream stream(arguments);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    for (size_t i = 0; i < words.size();) {
        const std::string& word = words[i];
        if (word == "infinite") {
            infinite_ = true;
            ++i;
        } else if (word == "ponder") {
            ponder_ = true;
            ++i;
        } else if (word == "searchmoves") {
            read_search_moves(words, ++i);
        } else if (is_keyword(word)) {
            read_number(words, i);
        } else {
            faults_.push_back("unknown go parameter: " + word);
            ++i;
        }
    }
}

// A keyword and its number; a number that does not read leaves the keyword out, and a following
// keyword is read as such.
void CHESS_UCI_GO::read_number(const std::vector<std::string>& words, size_t& i) {
    const std::string& word = words[i++];
    int64_t value = 0;
    if (i >= words.size() || is_keyword(words[i]) || !parse_number(words[i], value)) {
        faults_.push_back("invalid go parameter: " + word +
                          (i < words.size() && !is_keyword(words[i]) ? " " + words[i++] : ""));
        return;
    }
    ++i;
    const int32_t side = word[0] == 'w' ? 1 : 2;
    if (word == "wtime" || word == "btime") {
        time_left_[side] = std::max<int64_t>(value, 0);
    } else if (word == "winc" || word == "binc") {
        increment_[side] = std::max<int64_t>(value, 0);
    } else if (word == "movestogo") {
        movestogo_ = std::max<int64_t>(value, 0);
    } else if (word == "depth") {
        depth_ = std::clamp<int64_t>(value, 1, deepest_search);
    } else if (word == "nodes") {
        nodes_ = std::max<int64_t>(value, 1);
    } else if (word == "mate") {
        mate_ = std::clamp<int64_t>(value, 1, deepest_search / 2);
    } else if (word == "movetime") {
        movetime_ = std::max<int64_t>(value, 0);
    }
}

// Moves up to the next keyword; those that are not legal here are reported and left out.
void CHESS_UCI_GO::read_search_moves(const std::vector<std::string>& words, size_t& i) {
    for (; i < words.size() && !is_keyword(words[i]); ++i) {
        if (const std::optional<CHESS_MOVE> m = find_uci_move(game_, words[i])) {
            search_moves_.push_back(*m);
        } else {
            faults_.push_back("illegal search move: " + words[i]);
        }
    }
}

CHESS_SEARCH_LIMITS CHESS_UCI_GO::limits(const NEW_GAME_SKILL_LEVEL& level, bool want_qsearch,
                                         DURATION move_overhead) const {
    CHESS_SEARCH_LIMITS limits;
    limits.max_ply = max_ply(level);
    limits.want_qsearch = want_qsearch;
    limits.node_limit = nodes_;
    limits.mate_moves = static_cast<int32_t>(mate_);
    limits.fifty_move_draw = false;
    limits.root_moves = search_moves_;
    limits.clock_interval = CHESS_SEARCH_LIMITS::fine_clock_interval;
    if (movetime_ >= 0) {
        limits.time_limit = DURATION(movetime_);
        limits.first_iteration_completes = false;
    } else if (has_clock()) {
        const CLOCK_BUDGET budget = clock_budget(move_overhead);
        limits.time_limit = budget.time_limit;
        limits.iteration_time = budget.iteration_time;
        limits.first_iteration_completes = false;
    } else if (depth_ == 0 && nodes_ == 0 && mate_ == 0 && !infinite_ && !ponder_) {
        limits.time_limit = std::chrono::seconds(level.search_time);
    }
    return limits;
}

int32_t CHESS_UCI_GO::max_ply(const NEW_GAME_SKILL_LEVEL& level) const {
    if (depth_ > 0) {
        return static_cast<int32_t>(depth_);
    }
    if (mate_ > 0) {
        // The mated side must still find itself without a move: one ply beyond the mating move.
        return static_cast<int32_t>(2 * mate_);
    }
    const bool bounded_otherwise = movetime_ >= 0 || has_clock() || nodes_ > 0;
    return bounded_otherwise || infinite_ || ponder_ ? deepest_search : level.ply;
}

// A share of the time left after the overhead, spread over the moves to go, plus most of the
// increment. No iteration starts after half the share, since the next one takes longer than
// all before it; the search ends wherever it is at three shares, and never uses more than
// three quarters of what is left. Without a clock of its own the side to move has no time.
CHESS_UCI_GO::CLOCK_BUDGET CHESS_UCI_GO::clock_budget(DURATION move_overhead) const {
    const int32_t side = game_.side_to_move();
    const int64_t left = std::max<int64_t>(time_left_[side], 0);
    const int64_t available = std::max<int64_t>(left - move_overhead.count(), 0);
    const int64_t moves = movestogo_ > 0 ? std::min(movestogo_, planned_moves) : planned_moves;
    const int64_t cap = available * 3 / 4;
    const int64_t share = std::min(available / moves + increment_[side] * 3 / 4, cap);
    return {.time_limit = DURATION(std::min(share * 3, cap)),
            .iteration_time = DURATION(share / 2)};
}
