#include "chess_uci_engine.h"

#include "chess_uci_go.h"
#include "engine/chess_opening_book.h"
#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength.h"
#include "rules/chess_fen_reader.h"
#include "rules/kwo_random.h"
#include "uci_move_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace {

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

std::string trimmed(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) {
        return "";
    }
    return text.substr(start, text.find_last_not_of(" \t\r\n") - start + 1);
}

std::string score_text(int32_t score) {
    const int32_t distance = CHESS_SEARCH::mate_base - std::abs(score);
    if (distance <= 500) { // no line is that long: a mate score
        const int32_t moves = (distance + 1) / 2;
        return "mate " + std::to_string(score > 0 ? moves : -moves);
    }
    return "cp " + std::to_string(score);
}

// The game's table holds 1000777 slots in 8 MB; other sizes keep that density.
int32_t hash_slots(int64_t megabytes) {
    return static_cast<int32_t>(megabytes * CHESS_TRANSPOSITION_TABLE::default_size /
                                CHESS_UCI_ENGINE::default_hash_mb);
}

// The span UCI_Elo offers: the strength table's lowest and highest estimates.
std::pair<int32_t, int32_t> elo_range() {
    const std::vector<NEW_GAME_STRENGTH>& rows = NEW_GAME_STRENGTH::table();
    if (rows.empty()) {
        return {0, 0};
    }
    const auto [low, high] = std::minmax_element(
        rows.begin(), rows.end(),
        [](const NEW_GAME_STRENGTH& a, const NEW_GAME_STRENGTH& b) { return a.rating < b.rating; });
    return {low->rating, high->rating};
}

} // namespace

CHESS_UCI_ENGINE::CHESS_UCI_ENGINE(std::ostream& out) : out_(out) {
    engine_.set_iteration_observer([this](const CHESS_ITERATION_REPORT& r) { report(r); });
    engine_.set_root_move_observer([this](int32_t depth, const CHESS_MOVE& m, int32_t number) {
        report_root_move(depth, m, number);
    });
    engine_.seed_root_bonus(KWO_RANDOM::clock_seed());
    elo_ = elo_range().second;
    new_game();
}

CHESS_UCI_ENGINE::~CHESS_UCI_ENGINE() {
    stop_search();
}

void CHESS_UCI_ENGINE::say(const std::string& line) {
    const std::lock_guard lock(out_mutex_);
    out_ << line << std::endl;
}

bool CHESS_UCI_ENGINE::handle(std::string line) {
    std::string arguments;
    const std::string command = first_word(trimmed(line), arguments);
    if (command == "uci") {
        identify();
    } else if (command == "isready") {
        say("readyok");
    } else if (command == "debug") {
        // Nothing more to say in debug mode.
    } else if (command == "ucinewgame") {
        stop_search();
        new_game();
    } else if (command == "setoption") {
        stop_search();
        set_option(arguments);
    } else if (command == "position") {
        stop_search();
        set_position(arguments);
    } else if (command == "go") {
        stop_search();
        go(arguments);
    } else if (command == "ponderhit") {
        ponderhit();
    } else if (command == "stop") {
        stop_search();
    } else if (command == "quit") {
        quit();
        return false;
    } else if (!command.empty()) {
        say("info string unknown command: " + command);
    }
    return true;
}

void CHESS_UCI_ENGINE::quit() {
    stop_search();
}

void CHESS_UCI_ENGINE::identify() {
    say("id name Velmora Chess");
    say("id author The Velmora Chess developers");
    say("option name Hash type spin default " + std::to_string(default_hash_mb) + " min 1 max " +
        std::to_string(max_hash_mb));
    say("option name Clear Hash type button");
    say("option name Move Overhead type spin default " + std::to_string(default_move_overhead_ms) +
        " min 0 max " + std::to_string(max_move_overhead_ms));
    say("option name Ponder type check default false");
    say("option name MultiPV type spin default 1 min 1 max 1");
    say("option name Skill Level type spin default " + std::to_string(default_skill_level) +
        " min 1 max " + std::to_string(NEW_GAME_SKILL_LEVEL::level_count));
    say("option name QSearch type check default true");
    say("option name Go Easy type check default false");
    say("option name UCI_LimitStrength type check default false");
    const auto [low, high] = elo_range();
    say("option name UCI_Elo type spin default " + std::to_string(high) + " min " +
        std::to_string(low) + " max " + std::to_string(high));
    say("option name OwnBook type check default false");
    say("uciok");
}

// "setoption name <name> [value <value>]"; names are not case-sensitive.
void CHESS_UCI_ENGINE::set_option(const std::string& arguments) {
    std::string rest;
    if (first_word(arguments, rest) != "name" || rest.empty()) {
        say("info string setoption needs: name <name> [value <value>]");
        return;
    }
    const size_t value_at = rest.find(" value ");
    const std::string name = lower_case(trimmed(rest.substr(0, value_at)));
    const std::string value =
        value_at == std::string::npos ? "" : trimmed(rest.substr(value_at + 7));
    bool accepted = true;
    if (name == "clear hash") {
        engine_.clear_hash();
    } else if (name == "qsearch" || name == "ponder" || name == "go easy" ||
               name == "uci_limitstrength" || name == "ownbook") {
        accepted = value == "true" || value == "false";
        const bool on = value == "true";
        if (accepted && name == "qsearch") {
            qsearch_ = on;
        } else if (accepted && name == "go easy") {
            go_easy_ = on;
        } else if (accepted && name == "uci_limitstrength") {
            limit_strength_ = on;
        } else if (accepted && name == "ownbook") {
            own_book_ = on;
        }
    } else {
        accepted = set_spin_option(name, value);
    }
    if (!accepted) {
        say("info string invalid option: " + arguments);
    }
}

bool CHESS_UCI_ENGINE::set_spin_option(const std::string& name, const std::string& value) {
    int64_t number = 0;
    if (!read_number(value, number)) {
        return false;
    }
    if (name == "hash" && number >= 1 && number <= max_hash_mb) {
        engine_.resize_hash(hash_slots(number));
    } else if (name == "move overhead" && number >= 0 && number <= max_move_overhead_ms) {
        move_overhead_ = std::chrono::milliseconds(number);
    } else if (name == "uci_elo") {
        // A rating outside the table's span plays the nearest end of it.
        const auto [low, high] = elo_range();
        elo_ = static_cast<int32_t>(std::clamp<int64_t>(number, low, high));
    } else if (name == "multipv" && number == 1) {
        // One line is all the engine searches.
    } else if (name == "skill level" && number >= 1 &&
               number <= NEW_GAME_SKILL_LEVEL::level_count) {
        // A level brings its own quiescence setting; a later QSearch overrides it.
        skill_level_ = static_cast<int32_t>(number);
        qsearch_ = NEW_GAME_SKILL_LEVEL::level(skill_level_).want_qsearch;
    } else {
        return false;
    }
    return true;
}

void CHESS_UCI_ENGINE::new_game() {
    const PLAY_LEVEL chosen = play_level();
    const NEW_GAME_SKILL_LEVEL& level = NEW_GAME_SKILL_LEVEL::level(chosen.level);
    engine_.reset(level.ply, std::chrono::seconds(level.search_time), chosen.want_qsearch);
    game_ = CHESS_GAME();
}

CHESS_UCI_ENGINE::PLAY_LEVEL CHESS_UCI_ENGINE::play_level() const {
    if (limit_strength_) {
        if (const std::optional<NEW_GAME_STRENGTH> row = NEW_GAME_STRENGTH::nearest(elo_)) {
            return {row->level, row->go_easy, NEW_GAME_SKILL_LEVEL::level(row->level).want_qsearch};
        }
    }
    return {skill_level_, go_easy_, qsearch_};
}

// A move that is not legal ends the list: the moves before it stand, as other engines do it.
void CHESS_UCI_ENGINE::set_position(const std::string& arguments) {
    std::string rest;
    const std::string kind = first_word(arguments, rest);
    const size_t moves_at = rest.find("moves");
    const std::string moves = moves_at == std::string::npos ? "" : rest.substr(moves_at + 5);
    if (kind == "startpos") {
        game_ = CHESS_GAME();
    } else if (kind == "fen") {
        CHESS_FEN_READER reader;
        reader.read(trimmed(rest.substr(0, moves_at)));
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
        const std::optional<CHESS_MOVE> m = find_uci_move(game_, text);
        if (!m) {
            say("info string illegal move: " + text);
            return;
        }
        game_.make_move(*m);
    }
}

void CHESS_UCI_ENGINE::go(const std::string& arguments) {
    const CHESS_UCI_GO command(arguments, game_);
    for (const std::string& fault : command.faults()) {
        say("info string " + fault);
    }
    if (answer_from_book(command)) {
        return;
    }
    const PLAY_LEVEL chosen = play_level();
    CHESS_SEARCH_LIMITS limits = command.limits(NEW_GAME_SKILL_LEVEL::level(chosen.level),
                                                chosen.want_qsearch, move_overhead_);
    limits.root_margin = NEW_GAME_SKILL_LEVEL::root_margin(chosen.level, chosen.go_easy);
    ponder_time_limit_ = limits.time_limit;
    ponder_iteration_time_ = limits.iteration_time;
    if (command.ponder()) {
        // The opponent's time: the clock starts at "ponderhit".
        limits.time_limit = limits.iteration_time = CHESS_SEARCH_LIMITS::unlimited;
    }
    engine_.set_limits(std::move(limits));
    engine_.clear_termination();
    stop_requested_ = false;
    infinite_ = command.infinite();
    pondering_ = command.ponder();
    last_line_.clear();
    search_started_ = std::chrono::steady_clock::now();
    worker_ = std::thread([this] { run_search(); });
}

// With OwnBook on, a position inside the book is answered at once with a book move drawn at
// random; searches that wait for "stop" or "ponderhit" always search.
bool CHESS_UCI_ENGINE::answer_from_book(const CHESS_UCI_GO& command) {
    if (!own_book_ || command.infinite() || command.ponder()) {
        return false;
    }
    const std::optional<CHESS_MOVE> m =
        CHESS_OPENING_BOOK::instance().choose(game_.board(), random_);
    if (!m) {
        return false;
    }
    say("info string book move");
    say("bestmove " + m->uci_text());
    return true;
}

void CHESS_UCI_ENGINE::ponderhit() {
    const std::lock_guard lock(state_mutex_);
    if (!worker_.joinable() || !pondering_) {
        return;
    }
    pondering_ = false;
    engine_.restart_clock(ponder_time_limit_, ponder_iteration_time_);
    state_signal_.notify_all();
}

void CHESS_UCI_ENGINE::run_search() {
    engine_.search(game_.board(), game_.history());
    {
        // An infinite or pondering search answers only when told.
        std::unique_lock lock(state_mutex_);
        state_signal_.wait(lock, [this] { return stop_requested_ || (!infinite_ && !pondering_); });
    }
    answer();
}

void CHESS_UCI_ENGINE::answer() {
    const std::optional<CHESS_MOVE>& item = engine_.item();
    if (!item) {
        say(std::string("info depth 0 score ") + (engine_.check_mate() ? "mate 0" : "cp 0"));
        say("bestmove 0000");
        return;
    }
    std::string text = "bestmove " + item->uci_text();
    if (last_line_.size() >= 2 && last_line_.front() == *item) {
        text += " ponder " + last_line_[1].uci_text();
    }
    say(text);
}

void CHESS_UCI_ENGINE::report(const CHESS_ITERATION_REPORT& iteration) {
    const int64_t milliseconds = iteration.elapsed.count();
    const int64_t nps = milliseconds > 0 ? iteration.nodes * 1000 / milliseconds : 0;
    std::ostringstream line;
    line << "info depth " << iteration.depth << " seldepth "
         << std::max(iteration.selective_depth, iteration.depth) << " score "
         << score_text(iteration.score) << " nodes " << iteration.nodes << " nps " << nps
         << " hashfull " << iteration.hash_permille << " time " << milliseconds << " pv"
         << legal_line(iteration.line);
    say(line.str());
}

// The line as far as each move is legal where it is played, and remembered for the ponder move.
std::string CHESS_UCI_ENGINE::legal_line(const std::vector<CHESS_MOVE>& line) {
    CHESS_GAME walk(game_.board());
    last_line_.clear();
    std::string text;
    for (const CHESS_MOVE& m : line) {
        const std::optional<CHESS_MOVE> legal = find_uci_move(walk, m.uci_text());
        if (!legal) {
            break;
        }
        walk.make_move(*legal);
        last_line_.push_back(*legal);
        text += " " + legal->uci_text();
    }
    return text;
}

void CHESS_UCI_ENGINE::report_root_move(int32_t depth, const CHESS_MOVE& m, int32_t number) {
    if (std::chrono::steady_clock::now() - search_started_ < current_move_delay) {
        return;
    }
    say("info depth " + std::to_string(depth) + " currmove " + m.uci_text() + " currmovenumber " +
        std::to_string(number));
}

void CHESS_UCI_ENGINE::stop_search() {
    if (!worker_.joinable()) {
        return;
    }
    engine_.terminate();
    {
        const std::lock_guard lock(state_mutex_);
        stop_requested_ = true;
    }
    state_signal_.notify_all();
    worker_.join();
}
