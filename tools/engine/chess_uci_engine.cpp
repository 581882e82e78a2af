#include "chess_uci_engine.h"

#include "engine/new_game_skill_level.h"
#include "rules/chess_fen_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace {

constexpr int64_t no_time_limit = std::numeric_limits<int64_t>::max() / 4;

std::string first_word(const std::string& line, std::string& rest) {
    std::istringstream stream(line);
    std::string word;
    stream >> word;
    std::getline(stream, rest);
    const size_t start = rest.find_first_not_of(" \t");
    rest = start == std::string::npos ? "" : rest.substr(start);
    return word;
}

bool read_number(const std::string& text, int64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && ptr == end;
}

std::string lower_case(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string score_text(int32_t score) {
    const int32_t distance = CHESS_SEARCH::mate_base - std::abs(score);
    if (distance <= 500) { // no line is that long: a mate score
        const int32_t moves = (distance + 1) / 2;
        return "mate " + std::to_string(score > 0 ? moves : -moves);
    }
    return "cp " + std::to_string(score);
}

} // namespace

CHESS_UCI_ENGINE::CHESS_UCI_ENGINE(std::ostream& out) : out_(out) {
    new_game();
}

CHESS_UCI_ENGINE::~CHESS_UCI_ENGINE() {
    stop();
}

void CHESS_UCI_ENGINE::say(const std::string& line) {
    const std::lock_guard lock(out_mutex_);
    out_ << line << std::endl;
}

bool CHESS_UCI_ENGINE::handle(const std::string& line) {
    std::string arguments;
    const std::string command = first_word(line, arguments);
    if (command == "uci") {
        identify();
    } else if (command == "isready") {
        say("readyok");
    } else if (command == "ucinewgame") {
        settle();
        new_game();
    } else if (command == "setoption") {
        settle();
        set_option(arguments);
    } else if (command == "position") {
        settle();
        set_position(arguments);
    } else if (command == "go") {
        settle();
        go(arguments);
    } else if (command == "stop") {
        stop();
    } else if (command == "quit") {
        stop();
        return false;
    } else if (!command.empty()) {
        say("info string unknown command: " + command);
    }
    return true;
}

void CHESS_UCI_ENGINE::identify() {
    say("id name Velmora Chess");
    say("id author The Velmora Chess developers");
    say("option name Skill Level type spin default " + std::to_string(default_skill_level) +
        " min 1 max " + std::to_string(NEW_GAME_SKILL_LEVEL::level_count));
    say("option name QSearch type check default true");
    say("uciok");
}

void CHESS_UCI_ENGINE::set_option(const std::string& arguments) {
    const size_t name_at = arguments.find("name ");
    const size_t value_at = arguments.find(" value ");
    if (name_at == std::string::npos || value_at == std::string::npos || value_at < name_at) {
        say("info string setoption needs: name <name> value <value>");
        return;
    }
    const std::string name = lower_case(arguments.substr(name_at + 5, value_at - name_at - 5));
    const std::string value = arguments.substr(value_at + 7);
    int64_t level = 0;
    if (name == "skill level" && read_number(value, level) && level >= 1 &&
        level <= NEW_GAME_SKILL_LEVEL::level_count) {
        skill_level_ = static_cast<int32_t>(level);
        qsearch_ = NEW_GAME_SKILL_LEVEL::level(skill_level_).want_qsearch;
    } else if (name == "qsearch" && (value == "true" || value == "false")) {
        qsearch_ = value == "true";
    } else {
        say("info string invalid option: " + arguments);
    }
}

void CHESS_UCI_ENGINE::new_game() {
    const NEW_GAME_SKILL_LEVEL& level = NEW_GAME_SKILL_LEVEL::level(skill_level_);
    engine_.reset(level.ply, level.search_time, qsearch_);
    game_ = CHESS_GAME();
}

void CHESS_UCI_ENGINE::set_position(const std::string& arguments) {
    std::string rest;
    const std::string kind = first_word(arguments, rest);
    const size_t moves_at = rest.find("moves");
    const std::string moves = moves_at == std::string::npos ? "" : rest.substr(moves_at + 5);
    if (kind == "startpos") {
        game_ = CHESS_GAME();
    } else if (kind == "fen") {
        CHESS_FEN_READER reader;
        reader.read(rest.substr(0, moves_at));
        if (reader.failed()) {
            say("info string " + reader.error_message());
            return;
        }
        game_ = CHESS_GAME(reader.position());
    } else {
        say("info string position needs startpos or fen");
        return;
    }
    std::istringstream stream(moves);
    for (std::string text; stream >> text;) {
        const auto legal = game_.legal_moves();
        const auto found = std::find_if(legal.begin(), legal.end(), [&text](const CHESS_MOVE& m) {
            return m.uci_text() == text;
        });
        if (found == legal.end()) {
            say("info string illegal move: " + text);
            return;
        }
        game_.make_move(*found);
    }
}

void CHESS_UCI_ENGINE::go(const std::string& arguments) {
    GO_LIMITS limits;
    std::istringstream stream(arguments);
    for (std::string word; stream >> word;) {
        if (word == "infinite") {
            limits.infinite = true;
            continue;
        }
        std::string text;
        int64_t value = 0;
        if (!(stream >> text) || !read_number(text, value)) {
            say("info string invalid go parameter: " + word);
            return;
        }
        if (word == "depth") {
            limits.depth = static_cast<int32_t>(std::clamp<int64_t>(value, 1, deepest_search));
        } else if (word == "movetime") {
            limits.movetime = std::max<int64_t>(value, 1);
        } else if (word == "wtime" || word == "btime") {
            limits.time_left[word == "wtime" ? 1 : 2] = std::max<int64_t>(value, 1);
        } else if (word == "winc" || word == "binc") {
            limits.increment[word == "winc" ? 1 : 2] = std::max<int64_t>(value, 0);
        } else if (word == "movestogo") {
            limits.movestogo = static_cast<int32_t>(std::clamp<int64_t>(value, 1, 1000));
        }
    }

    const NEW_GAME_SKILL_LEVEL& level = NEW_GAME_SKILL_LEVEL::level(skill_level_);
    int32_t max_ply = level.ply;
    int64_t time_limit = static_cast<int64_t>(level.search_time) * 1000;
    if (limits.depth > 0) {
        max_ply = limits.depth;
        time_limit = no_time_limit;
    } else if (limits.infinite) {
        max_ply = deepest_search;
        time_limit = no_time_limit;
    }
    if (limits.movetime > 0) {
        time_limit = limits.movetime;
    } else if (limits.time_left[game_.side_to_move()] > 0) {
        time_limit = time_share(limits);
    }
    engine_.set_limits(max_ply, time_limit, qsearch_);
    engine_.clear_termination();
    stop_requested_ = false;
    infinite_ = limits.infinite;
    worker_ = std::thread([this] { run_search(); });
}

// A share of the clock: the time left spread over the moves to go (or thirty), plus most of the
// increment, never more than half of what is left.
int64_t CHESS_UCI_ENGINE::time_share(const GO_LIMITS& limits) const {
    const int32_t side = game_.side_to_move();
    const int64_t left = limits.time_left[side];
    const int64_t moves = limits.movestogo > 0 ? limits.movestogo : 30;
    const int64_t share = left / moves + limits.increment[side] * 3 / 4;
    return std::max<int64_t>(1, std::min(share, left / 2));
}

void CHESS_UCI_ENGINE::run_search() {
    engine_.set_iteration_observer([this](const CHESS_ITERATION_REPORT& r) { report(r); });
    engine_.search(game_.board(), game_.history());
    if (infinite_) {
        // An infinite search answers only when told to stop.
        std::unique_lock lock(stop_mutex_);
        stop_signal_.wait(lock, [this] { return stop_requested_; });
    }
    const auto& item = engine_.item();
    say("bestmove " + (item ? item->uci_text() : std::string("0000")));
}

void CHESS_UCI_ENGINE::report(const CHESS_ITERATION_REPORT& iteration) {
    const int64_t nps =
        iteration.milliseconds > 0 ? iteration.nodes * 1000 / iteration.milliseconds : 0;
    std::ostringstream line;
    line << "info depth " << iteration.depth << " score " << score_text(iteration.score)
         << " nodes " << iteration.nodes << " nps " << nps << " time " << iteration.milliseconds
         << " pv";
    for (const CHESS_MOVE& m : iteration.line) {
        line << ' ' << m.uci_text();
    }
    say(line.str());
}

void CHESS_UCI_ENGINE::stop() {
    if (!worker_.joinable()) {
        return;
    }
    engine_.terminate();
    {
        const std::lock_guard lock(stop_mutex_);
        stop_requested_ = true;
    }
    stop_signal_.notify_all();
    worker_.join();
}

// A command that changes the engine waits for a search with limits to end, and ends an infinite
// one, so that a script of commands behaves as a chess program's dialogue does.
void CHESS_UCI_ENGINE::settle() {
    if (infinite_) {
        stop();
    } else {
        wait_for_search();
    }
}

void CHESS_UCI_ENGINE::wait_for_search() {
    if (worker_.joinable()) {
        worker_.join();
    }
}
