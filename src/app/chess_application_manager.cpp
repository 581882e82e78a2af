#include "app/chess_application_manager.h"

#include "app/chess_announcement.h"
#include "app/chess_application_install_dir.h"
#include "app/chess_review_worker.h"
#include "engine/chess_opening_book.h"
#include "engine/chess_search_no_thread.h"
#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength.h"
#include "persona/chat_text_utilities.h"
#include "persona/velmora.h"
#include "persona/velmora_debug_events.h"
#include "persona/velmora_move_variables.h"
#include "persona/velmora_video_fit.h"
#include "rules/chess_san.h"
#include "rules/kwo_random.h"
#include "saved_games/chess_game_file.h"
#include "saved_games/chess_pgn_writer.h"
#include "saved_games/kwo_durable_writer.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <initializer_list>

namespace {

const std::string title = "Velmora Chess v1.2";
const std::string initial_nick = "player";
const std::string autosave_name = "lastgame.txt";
const std::string debug_name = "debug_game.txt";
const std::string persona_name = "velmora_chess.dat";
const std::string video_name = "velmora_chess.avi";
const std::string no_game = "no game";
const std::string vary_openings_key = "VaryOpenings";

using UI = CHESS_APPLICATION_USER_INTERFACE;
using G = CHESS_GENERAL_CONSTANTS;

bool file_exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool file_readable(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) &&
           std::ifstream(path, std::ios::binary).good();
}

// The specified message first; a second line says where the setting lives here and what to do.
std::string install_error_text(const std::string& message, const std::string& location) {
    if (location.empty()) {
        return message;
    }
    return message + "\nOn this system the setting lives in " + location +
           ": run make install, or set InstallPath there.";
}

// Every persona fault names the file; an unsealed edit says how to seal it.
std::string persona_error_text(const std::string& message, const std::string& file) {
    std::string text = message;
    if (message.find(file) == std::string::npos) {
        text += "\nPersona file: " + file;
    }
    if (message.find(": Invalid magic number") != std::string::npos) {
        text +=
            "\nThe file was edited without sealing it. Seal it with: velmora-persona seal " + file;
    }
    return text;
}

} // namespace

CHESS_APPLICATION_MANAGER::CHESS_APPLICATION_MANAGER(CHESS_APPLICATION_USER_INTERFACE& ui,
                                                     const CHESS_SETTINGS_STORE& settings)
    : ui_(ui), settings_(settings) {}

CHESS_APPLICATION_MANAGER::~CHESS_APPLICATION_MANAGER() = default;

// ---------------------------------------------------------------------------------------------
// Start-up

void CHESS_APPLICATION_MANAGER::start() {
    if (started_ || failed_) {
        return;
    }
    if (!read_configuration()) {
        failed_ = true;
        return;
    }
    check_video_file();
    vary_openings_ = settings_.flag(vary_openings_key, true);
    file_name_.clear();
    game_options_ = CHESS_GAME_OPTIONS();
    game_ = CHESS_GAME();
    txtutil_ = std::make_unique<CHAT_TEXT_UTILITIES>(*velmora_);
    search_ = std::make_unique<CHESS_SEARCH_NO_THREAD>([this] { ui_.process_pending_events(); });
    data_directory_ = install_dir_->item();
    const std::string user_directory = settings_.user_data_directory();
    if (!user_directory.empty() && !install_dir_->is_writable()) {
        data_directory_ = user_directory;
    }
    started_ = true;
    start_sequence();
}

bool CHESS_APPLICATION_MANAGER::failed() const {
    return failed_;
}

bool CHESS_APPLICATION_MANAGER::read_configuration() {
    install_dir_ = std::make_unique<CHESS_APPLICATION_INSTALL_DIR>(settings_);
    if (install_dir_->failed()) {
        ui_.show_error(install_error_text(install_dir_->error_message(), settings_.location()));
        return false;
    }
    const std::string persona_file = install_dir_->file(persona_name);
    velmora_ = std::make_unique<VELMORA>(persona_file);
    if (velmora_->failed()) {
        ui_.show_error(persona_error_text(velmora_->error_message(), persona_file));
        return false;
    }
    return true;
}

// A missing or broken video only switches the webcam off; the game goes on without it.
void CHESS_APPLICATION_MANAGER::check_video_file() {
    video_file_available_ = true;
    video_file_ = install_dir_->file(video_name);
    if (!file_exists(video_file_)) {
        ui_.show_error("Webcam disabled. (no such file: " + video_file_ + ")");
        video_file_available_ = false;
    } else if (!file_readable(video_file_)) {
        ui_.show_error("File not readable: " + video_file_);
        video_file_available_ = false;
    } else if (const std::optional<std::string> error = ui_.open_video(video_file_)) {
        video_file_available_ = false;
        ui_.show_error(*error);
    } else if (const VELMORA_VIDEO_FIT fit(velmora_->db(), install_dir_->file(persona_name),
                                           video_file_, ui_.video_frame_count());
               fit.failed()) {
        // A cut-short or wrong video would fail every clip at once, one after the other.
        video_file_available_ = false;
        ui_.show_error("Webcam disabled. (" + fit.error_message() + ")");
    }
}

void CHESS_APPLICATION_MANAGER::start_sequence() {
    resigned_ = false;
    player_color_ = G::white;
    velmora_color_ = G::black;
    player_nick_ = initial_nick;
    velmora_nick_ = velmora_->nickname();
    set_statuses(no_game, no_game);
    txtutil_->set_variable("player", player_nick_);
    current_ply_ = 0;
    bottom_side_ = G::white;
    ui_.set_bottom_side(bottom_side_);
    ui_.clear_history();
    ui_.set_player_name(G::white, "");
    ui_.set_player_name(G::black, "");
    ui_.set_video_caption(velmora_nick_);
    ui_.set_title(title);
    ui_.clear_side_to_move();
    if (video_file_available_) {
        set_cam_on(true);
        present_next(true);
    } else {
        set_cam_on(false);
        ui_.disable_webcam_switch();
    }
    ui_.disable_board();
    ui_.update_board(CHESS_GUI_BOARD_INFO());
    set_state(state_no_game);
    // The start text greets the player of the last game by name, so that game is read first; a
    // damaged one still gives the nickname when its line was read.
    const std::optional<std::string> last_path = last_game_path();
    CHESS_GAME_FILE last_game(last_path.value_or(std::string()));
    if (last_path) {
        last_game.read();
        if (last_game.has_nickname()) {
            set_nickname(last_game.saved_game().nickname);
        }
    }
    for (int i = 0; i < 3; ++i) {
        ui_.add_blank_line();
    }
    ui_.add_sentences(txtutil_->start_help());
    ui_.add_blank_line();
    if (last_path) {
        autoload(*last_path, last_game);
    }
}

// Where the last game is kept: the per-user data folder first, then the installation directory;
// none when neither holds one.
std::optional<std::string> CHESS_APPLICATION_MANAGER::last_game_path() const {
    std::vector<std::string> candidates;
    if (data_directory_ != install_dir_->item()) {
        candidates.push_back(CHESS_APPLICATION_INSTALL_DIR::joined(data_directory_, autosave_name));
    }
    candidates.push_back(install_dir_->file(autosave_name));
    const auto found = std::find_if(candidates.begin(), candidates.end(), file_exists);
    return found == candidates.end() ? std::nullopt : std::optional<std::string>(*found);
}

// The last game: resumed when it was unfinished, otherwise only its options are taken over (its
// nickname was taken when it was read). One that cannot be read is kept aside.
void CHESS_APPLICATION_MANAGER::autoload(const std::string& path, const CHESS_GAME_FILE& file) {
    if (file.failed()) {
        // Only a file can hold a damaged game; anything else under the name is left alone.
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            keep_damaged_last_game(path, file.error_message());
        }
        return;
    }
    const CHESS_SAVED_GAME& saved = file.saved_game();
    const CHESS_GAME& g = saved.game;
    if (g.has_moves() && !g.is_over() && !saved.resigned) {
        begin_game(g, saved.options, false);
        return;
    }
    game_options_ = saved.options;
    reset_search(saved.options);
}

// A last game that cannot be read may still be the player's only copy of a game: it is moved
// aside under a name of its own, never written over, and the chat says what was wrong and where
// it went. When it cannot be moved, the last game is not written this run.
void CHESS_APPLICATION_MANAGER::keep_damaged_last_game(const std::string& path,
                                                       const std::string& reason) {
    const std::optional<std::string> copy = moved_aside(path);
    std::string text = "[" + autosave_name + " could not be read: " + reason + ". ";
    if (copy) {
        text += "It was kept as " + *copy + "; starting without the last game.]";
    } else {
        text += "It could not be moved aside and stays as it is; this game will not be kept "
                "there.]";
        last_game_kept_ = path != data_file(autosave_name);
    }
    announce({text});
}

// Renames path to "lastgame-damaged-<date>-<time>.txt" beside it (with a number added when that
// name is taken); answers the new name, or none when it could not be moved.
std::optional<std::string> CHESS_APPLICATION_MANAGER::moved_aside(const std::string& path) {
    namespace fs = std::filesystem;
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    const fs::path folder = fs::path(path).parent_path();
    const std::string stem = "lastgame-damaged-" + std::string(stamp);
    for (int n = 1; n < 100; ++n) {
        const fs::path copy =
            folder / (stem + (n == 1 ? std::string() : "-" + std::to_string(n)) + ".txt");
        std::error_code error;
        if (fs::exists(fs::symlink_status(copy, error))) {
            continue;
        }
        fs::rename(path, copy, error);
        return error ? std::nullopt : std::optional<std::string>(copy.string());
    }
    return std::nullopt;
}

std::string CHESS_APPLICATION_MANAGER::data_file(const std::string& name) const {
    return CHESS_APPLICATION_INSTALL_DIR::joined(data_directory_, name);
}

// ---------------------------------------------------------------------------------------------
// States

void CHESS_APPLICATION_MANAGER::set_state(int32_t s) {
    const bool was_showing = velmora_->showing();
    state_ = s;
    bool showing = false;
    switch (s) {
    case state_no_game:
    case state_game_over:
        showing = false;
        break;
    case state_player_turn:
    case state_thinking:
    case state_hint:
        showing = true;
        break;
    default:
        std::abort(); // states are the manager's own constants
    }
    velmora_->set_showing(showing);
    apply_command_table();
    if (was_showing && !showing) {
        raise(VELMORA_EVENT("game_end"));
        raise(VELMORA_EVENT("standup"));
    } else if (!was_showing && showing) {
        raise(VELMORA_EVENT("sitdown"));
        if (game_.has_moves()) {
            raise(VELMORA_EVENT("game_continue"));
        } else {
            raise(VELMORA_EVENT("game_start"));
        }
    }
    clear_hint();
}

namespace {

// The commands a state offers, as a set of command identifiers; undo has a rule of its own.
// While the computer thinks or searches a hint, nothing is offered.
constexpr std::array<uint32_t, CHESS_APP_STATE_CONSTANTS::state_game_over + 1> offered_commands() {
    using A = CHESS_APP_STATE_CONSTANTS;
    using S = CHESS_SHORTCUT_CONSTANTS;
    const auto set_of = [](std::initializer_list<int32_t> ids) {
        uint32_t set = 0;
        for (const int32_t id : ids) {
            set |= 1u << id;
        }
        return set;
    };
    std::array<uint32_t, A::state_game_over + 1> table{};
    table[A::state_no_game] = set_of({S::shortcut_new_game, S::shortcut_load_game,
                                      S::shortcut_nickname, S::shortcut_about, S::shortcut_help});
    table[A::state_player_turn] =
        set_of({S::shortcut_save_game, S::shortcut_resign, S::shortcut_hint, S::shortcut_nickname,
                S::shortcut_statistics, S::shortcut_about, S::shortcut_help});
    table[A::state_game_over] =
        set_of({S::shortcut_new_game, S::shortcut_save_game, S::shortcut_load_game,
                S::shortcut_nickname, S::shortcut_statistics, S::shortcut_about, S::shortcut_help});
    return table;
}

} // namespace

// While a search runs, new game, load and undo stay greyed whatever the state: each would
// replace or change the game the search still reads.
void CHESS_APPLICATION_MANAGER::apply_command_table() {
    static constexpr auto table = offered_commands();
    for (int32_t id = first_shortcut; id <= last_shortcut; ++id) {
        if (id == shortcut_undo) {
            continue;
        }
        const bool listed = (table[state_] >> id & 1u) != 0;
        const bool changes_game = id == shortcut_new_game || id == shortcut_load_game;
        set_command(id, listed && !(changes_game && searching()));
    }
    set_command(shortcut_undo, undo_enabled());
}

void CHESS_APPLICATION_MANAGER::set_command(int32_t id, bool enabled) {
    enabled_[id] = enabled;
    if (enabled) {
        ui_.enable_command(id);
    } else {
        ui_.disable_command(id);
    }
}

bool CHESS_APPLICATION_MANAGER::undo_enabled() const {
    return state_ != state_thinking && state_ != state_hint && !searching() && undo_allowed();
}

bool CHESS_APPLICATION_MANAGER::undo_allowed() const {
    const int32_t plies = game_.move_count();
    return player_color_ == G::white ? plies >= 1 : plies > 2;
}

void CHESS_APPLICATION_MANAGER::clear_hint() {
    last_hint_string_.reset();
    last_hint_.reset();
}

int32_t CHESS_APPLICATION_MANAGER::state() const {
    return state_;
}

bool CHESS_APPLICATION_MANAGER::searching() const {
    return search_ && search_->searching();
}

bool CHESS_APPLICATION_MANAGER::cam_on() const {
    return cam_on_;
}

int32_t CHESS_APPLICATION_MANAGER::current_ply() const {
    return current_ply_;
}

const CHESS_GAME& CHESS_APPLICATION_MANAGER::game() const {
    return game_;
}

bool CHESS_APPLICATION_MANAGER::review_running() const {
    return review_ && !review_analysed_;
}

bool CHESS_APPLICATION_MANAGER::review_shown() const {
    return review_point_.has_value();
}

bool CHESS_APPLICATION_MANAGER::accepting() const {
    return started_ && !failed_ && !closing_;
}

// ---------------------------------------------------------------------------------------------
// Games

void CHESS_APPLICATION_MANAGER::begin_game(const CHESS_GAME& g, const CHESS_GAME_OPTIONS& options,
                                           bool resigned_flag) {
    end_review();
    game_ = g;
    game_options_ = options;
    resigned_ = resigned_flag;
    reset_search(options);
    player_color_ = options.player_color == G::white ? G::white : G::black;
    velmora_color_ = G::opponent(player_color_);
    bottom_side_ = player_color_;
    ui_.set_bottom_side(bottom_side_);
    ui_.set_player_name(player_color_, player_nick_);
    ui_.set_player_name(velmora_color_, velmora_nick_);
    ui_.clear_history();
    for (const CHESS_GAME_HISTORY_ITEM& item : game_.history()) {
        CHESS_POSITION board = item.board;
        ui_.add_history_move(item.move.out(board), CHESS_SAN::text(item.board, item.move));
    }
    current_ply_ = game_.move_count();
    ui_.set_history_plies(current_ply_);
    remember_openings_played();
    refresh_board();
    show_statuses();
    update_score();
    keep_last_game();
    continue_game();
}

// A resigned game belongs to the player who resigned; a finished one shows the side that made
// the last move.
void CHESS_APPLICATION_MANAGER::continue_game() {
    if (resigned_ || game_.is_over()) {
        set_state(state_game_over);
        side_to_move_ = resigned_ ? player_color_ : G::opponent(game_.side_to_move());
        ui_.show_side_to_move(side_to_move_);
        ui_.disable_board();
        return;
    }
    set_state(state_player_turn);
    if (game_.side_to_move() == player_color_) {
        side_to_move_ = player_color_;
        ui_.show_side_to_move(side_to_move_);
        ui_.enable_board();
        return;
    }
    computer_turn();
}

// Going easy is a setting of the player, not of the game: it is read at every game's start and
// never saved with the game.
void CHESS_APPLICATION_MANAGER::reset_search(const CHESS_GAME_OPTIONS& options) {
    search_->reset(options.max_ply, std::chrono::seconds(options.max_time), options.qsearch);
    root_margin_ =
        NEW_GAME_SKILL_LEVEL::root_margin(NEW_GAME_SKILL_LEVEL::level_for(options), going_easy());
    search_->seed_root_bonus(go_easy_seed_.value_or(KWO_RANDOM::clock_seed()));
}

bool CHESS_APPLICATION_MANAGER::going_easy() const {
    return settings_.flag(go_easy_key, false);
}

void CHESS_APPLICATION_MANAGER::computer_turn() {
    side_to_move_ = velmora_color_;
    ui_.show_side_to_move(side_to_move_);
    set_state(state_thinking);
    if (!take_book_move()) {
        start_search();
    }
}

void CHESS_APPLICATION_MANAGER::set_vary_openings(bool on) {
    vary_openings_ = on;
    settings_.set_flag(vary_openings_key, on);
}

bool CHESS_APPLICATION_MANAGER::take_book_move() {
    book_move_ = vary_openings_ ? CHESS_OPENING_BOOK::instance().choose(game_.board(), book_random_)
                                : std::nullopt;
    if (!book_move_) {
        return false;
    }
    ui_.disable_board();
    begin_thinking();
    search_pending_ = true;
    return true;
}

// The search runs to its end inside this call, handing pending window messages to the window
// as it goes; its result is applied by the first tick after it has returned.
void CHESS_APPLICATION_MANAGER::start_search() {
    ui_.disable_board();
    begin_thinking();
    search_->clear_termination();
    search_pending_ = true;
    search_->set_root_margin(state_ == state_hint ? 0 : root_margin_);
    search_->search(game_.board(), game_.history());
}

void CHESS_APPLICATION_MANAGER::begin_thinking() {
    thinking_ = true;
    ui_.begin_thinking();
}

void CHESS_APPLICATION_MANAGER::end_thinking() {
    thinking_ = false;
    ui_.end_thinking();
}

void CHESS_APPLICATION_MANAGER::new_game() {
    if (!accepting() || searching() || (state_ != state_no_game && state_ != state_game_over)) {
        return;
    }
    const std::optional<CHESS_GAME_OPTIONS> options = ui_.ask_new_game(game_options_);
    if (!options) {
        return;
    }
    const bool player_white = options->player_color == G::white;
    const std::string& white = player_white ? player_nick_ : velmora_nick_;
    const std::string& black = player_white ? velmora_nick_ : player_nick_;
    announce({"[NEW GAME: ", white, " vs. ", black, "]"});
    // The new game has no file yet: saving it must not offer the previous game's file.
    file_name_.clear();
    begin_game(CHESS_GAME(), *options, false);
}

// ---------------------------------------------------------------------------------------------
// Moves

void CHESS_APPLICATION_MANAGER::player_move(int32_t from, int32_t to, int32_t promotion) {
    if (!accepting()) {
        return;
    }
    const std::optional<CHESS_MOVE> move =
        is_players_turn() ? game_.find_legal_move(from, to, promotion) : std::nullopt;
    if (!move) {
        refresh_board(); // the dropped piece goes back where the game has it
        return;
    }
    play_player_move(*move, false);
}

bool CHESS_APPLICATION_MANAGER::is_players_turn() const {
    return state_ == state_player_turn && !searching();
}

void CHESS_APPLICATION_MANAGER::play_player_move(const CHESS_MOVE& move, bool animate) {
    leave_browsing();
    const int32_t captured = play(move);
    if (animate) {
        ui_.animate_move(move.src, move.dst);
    }
    refresh_board();
    keep_last_game();
    if (velmora_->debug_mode()) {
        write_game_file(debug_name);
    }
    if (ends_game(false)) {
        return;
    }
    raise_move_event(move, captured, false);
    computer_turn();
}

void CHESS_APPLICATION_MANAGER::computer_move() {
    const std::optional<CHESS_MOVE> move =
        legal_or_first(book_move_ ? book_move_ : search_->item());
    book_move_.reset();
    if (!move) {
        end_thinking();
        return;
    }
    leave_browsing();
    const int32_t captured = play(*move);
    ui_.animate_move(move->src, move->dst);
    refresh_board();
    keep_last_game();
    if (!ends_game(true)) {
        raise_move_event(*move, captured, true);
        set_state(state_player_turn);
        side_to_move_ = player_color_;
        ui_.show_side_to_move(side_to_move_);
        ui_.enable_board();
    }
    end_thinking();
}

bool CHESS_APPLICATION_MANAGER::is_legal(const CHESS_MOVE& move) const {
    const std::vector<CHESS_MOVE> legal = game_.legal_moves();
    return std::find(legal.begin(), legal.end(), move) != legal.end();
}

// The search's move when it is legal here; otherwise the first legal move, so that a search
// without an answer never leaves the game stuck or plays a void move.
std::optional<CHESS_MOVE>
CHESS_APPLICATION_MANAGER::legal_or_first(const std::optional<CHESS_MOVE>& move) const {
    const std::vector<CHESS_MOVE> legal = game_.legal_moves();
    if (move && std::find(legal.begin(), legal.end(), *move) != legal.end()) {
        return move;
    }
    if (legal.empty()) {
        return std::nullopt;
    }
    return legal.front();
}

int32_t CHESS_APPLICATION_MANAGER::play(const CHESS_MOVE& move) {
    const int32_t captured = move.type == CHESS_MOVE_CONSTANTS::move_en_passant
                                 ? CHESS_PIECE_CONSTANTS::pawn
                                 : game_.board().kind_at(move.dst);
    const int32_t side = game_.side_to_move();
    const std::string san = CHESS_SAN::text(game_.board(), move);
    ui_.add_history_move(game_.move_text(move), san);
    game_.make_move(move);
    update_score();
    current_ply_ = game_.move_count();
    ui_.set_history_plies(current_ply_);
    ui_.move_played(side, san);
    return captured;
}

bool CHESS_APPLICATION_MANAGER::ends_game(bool by_velmora) {
    if (game_.check_mate()) {
        const std::string& winner = by_velmora ? velmora_nick_ : player_nick_;
        announce_end({"[CHECK-MATE ", winner, " WINS]"},
                     by_velmora ? UI::beep_default : UI::beep_asterisk,
                     by_velmora ? VELMORA_EVENT("velmora_wins") : VELMORA_EVENT("player_wins"));
    } else if (game_.stale_mate()) {
        announce_end({"[STALE-MATE]"}, UI::beep_default, VELMORA_EVENT("stalemate"));
    } else if (game_.draw()) {
        announce_end({"[DRAW]"}, UI::beep_default, VELMORA_EVENT("draw"));
    } else {
        return false;
    }
    return true;
}

void CHESS_APPLICATION_MANAGER::announce_end(std::initializer_list<std::string> announcement,
                                             int32_t sound, VELMORA_EVENT event) {
    announce(announcement);
    ui_.disable_board();
    ui_.beep(sound);
    raise(std::move(event));
    show_statuses();
    set_state(state_game_over);
    offer_review();
}

// A check hides whatever else the move did. The reaction may speak of the move itself.
void CHESS_APPLICATION_MANAGER::raise_move_event(const CHESS_MOVE& move, int32_t captured_kind,
                                                 bool by_velmora) {
    const bool gives_check = game_.board().in_check(G::opponent(move.side()));
    name_opening();
    VELMORA_EVENT event =
        VELMORA_EVENT::for_move(by_velmora, gives_check, move.type, captured_kind);
    event.variables = last_move_variables();
    raise(std::move(event));
}

// Read from the board the last move was played on, which the history keeps.
VELMORA_CHAT_VARIABLES CHESS_APPLICATION_MANAGER::last_move_variables() const {
    if (!game_.has_moves()) {
        return {};
    }
    const CHESS_GAME_HISTORY_ITEM& last = game_.history().back();
    return VELMORA_MOVE_VARIABLES::of(last.board, last.move);
}

void CHESS_APPLICATION_MANAGER::name_opening() {
    const std::optional<std::string> name = CHESS_OPENING_BOOK::instance().name(game_.board());
    if (!name ||
        std::find(named_openings_.begin(), named_openings_.end(), *name) != named_openings_.end()) {
        return;
    }
    named_openings_.push_back(*name);
    announce({"[OPENING: ", *name, "]"});
    VELMORA_EVENT event("opening");
    event.variables = VELMORA_CHAT_VARIABLES({{"opening", *name}});
    velmora_->execute_now(event);
    if (event.text_message) {
        ui_.add_sentences(txtutil_->velmora_sentences(*event.text_message, event.variables));
    }
}

// A resumed or loaded game does not name again the openings its moves have passed.
void CHESS_APPLICATION_MANAGER::remember_openings_played() {
    named_openings_.clear();
    for (const CHESS_GAME_HISTORY_ITEM& item : game_.history()) {
        CHESS_POSITION board = item.board;
        item.move.execute(board);
        if (const std::optional<std::string> name = CHESS_OPENING_BOOK::instance().name(board)) {
            named_openings_.push_back(*name);
        }
    }
}

void CHESS_APPLICATION_MANAGER::tick() {
    if (!accepting()) {
        return;
    }
    if ((!cam_on_ || clip_failed_) && ++counter_ > 6) {
        counter_ = 0;
        clip_failed_ = false;
        present_next(cam_on_);
    }
    if (searching()) {
        return;
    }
    if (search_pending_) {
        search_pending_ = false;
        apply_command_table();
        if (thinking_ && state_ != state_thinking && state_ != state_hint) {
            end_thinking();
        }
    }
    if (state_ == state_thinking) {
        computer_move();
    } else if (state_ == state_hint) {
        hint_ready();
    }
}

// ---------------------------------------------------------------------------------------------
// Undo and resignation

void CHESS_APPLICATION_MANAGER::undo() {
    if (!accepting() || searching() || state_ == state_thinking || state_ == state_hint ||
        !undo_allowed()) {
        return;
    }
    clear_hint();
    // A withdrawn resignation made while the computer was to move hands the turn back to it.
    const bool computer_to_move = resigned_ && game_.side_to_move() != player_color_;
    int32_t plies = 2;
    bool taunt = false;
    if (resigned_) {
        resigned_ = false;
        plies = 0;
    } else if (game_.is_over()) {
        plies = game_.side_to_move() == player_color_ ? 2 : 1;
    } else {
        taunt = true;
    }
    if (!taunt && !computer_to_move) {
        resume();
    }
    take_back(plies, taunt);
    keep_last_game();
    if (computer_to_move) {
        computer_turn();
    }
}

void CHESS_APPLICATION_MANAGER::resume() {
    set_state(state_player_turn);
    side_to_move_ = player_color_;
    ui_.show_side_to_move(side_to_move_);
    ui_.enable_board();
}

void CHESS_APPLICATION_MANAGER::take_back(int32_t plies, bool taunt) {
    end_review();
    leave_browsing();
    for (int32_t i = 0; i < plies && game_.has_moves(); ++i) {
        const CHESS_GAME_HISTORY_ITEM item = game_.history().back();
        ui_.animate_move(item.move.dst, item.move.src);
        game_.remove_last_history_item();
        game_.restore(item);
        ui_.remove_last_history_move();
        current_ply_ = game_.move_count();
        ui_.set_history_plies(current_ply_);
        refresh_board();
    }
    set_command(shortcut_undo, undo_enabled());
    update_score();
    if (taunt) {
        raise(VELMORA_EVENT("undo_taunt"));
    }
    show_statuses();
}

void CHESS_APPLICATION_MANAGER::resign_prompt() {
    if (!accepting()) {
        return;
    }
    show_framed(txtutil_->resign_confirmation());
    raise(VELMORA_EVENT("resign_taunt"));
}

void CHESS_APPLICATION_MANAGER::resign() {
    if (state_ == state_no_game || state_ == state_game_over) {
        system_message("[No game in progress]");
        return;
    }
    announce({"[", player_nick_, " RESIGNS]"});
    resigned_ = true;
    keep_last_game();
    ui_.disable_board();
    ui_.beep(UI::beep_default);
    raise(VELMORA_EVENT("player_resigns"));
    show_statuses();
    set_state(state_game_over);
    offer_review();
}

// ---------------------------------------------------------------------------------------------
// Board, history and statuses

void CHESS_APPLICATION_MANAGER::leave_browsing() {
    if (current_ply_ < game_.move_count()) {
        ui_.unmark_history_ply();
        current_ply_ = game_.move_count();
        refresh_board();
    }
}

void CHESS_APPLICATION_MANAGER::refresh_board() {
    ui_.update_board(CHESS_GUI_BOARD_INFO(game_, current_ply_));
}

void CHESS_APPLICATION_MANAGER::history_select(int32_t n) {
    if (!accepting() || state_ == state_no_game) {
        return;
    }
    current_ply_ = std::clamp(n, 0, game_.move_count());
    if (review_point_) {
        ui_.clear_review_moves(); // they belong to the point's position, not this one
    }
    refresh_board();
    if (current_ply_ < game_.move_count()) {
        ui_.mark_history_ply(current_ply_);
    } else {
        ui_.unmark_history_ply();
    }
}

void CHESS_APPLICATION_MANAGER::flip_board() {
    if (!accepting()) {
        return;
    }
    bottom_side_ = G::opponent(bottom_side_);
    ui_.set_bottom_side(bottom_side_);
    if (state_ != state_no_game) {
        ui_.set_player_name(player_color_, player_nick_);
        ui_.set_player_name(velmora_color_, velmora_nick_);
        set_statuses(player_status_, velmora_status_);
        ui_.show_side_to_move(side_to_move_);
    }
    raise(VELMORA_EVENT("flip_board"));
}

void CHESS_APPLICATION_MANAGER::update_score() {
    const int32_t value = game_.board().evaluate();
    velmora_->set_score(velmora_color_ == G::white ? value : -value);
}

// The resignation always belongs to the player, whoever was to move when it came.
void CHESS_APPLICATION_MANAGER::show_statuses() {
    const bool player_to_move = game_.side_to_move() == player_color_;
    if (resigned_) {
        set_statuses("Resigns", "");
    } else if (game_.check_mate()) {
        set_statuses(player_to_move ? "" : "Winner!", player_to_move ? "Winner!" : "");
    } else if (game_.stale_mate()) {
        set_statuses("Stale-mate", "Stale-mate");
    } else if (game_.draw()) {
        set_statuses("Draw", "Draw");
    } else {
        set_statuses("", "");
    }
}

void CHESS_APPLICATION_MANAGER::set_statuses(const std::string& player,
                                             const std::string& velmora) {
    player_status_ = player;
    velmora_status_ = velmora;
    ui_.set_status(player_color_, player_status_);
    ui_.set_status(velmora_color_, velmora_status_);
}

// ---------------------------------------------------------------------------------------------
// Commands

void CHESS_APPLICATION_MANAGER::command(int32_t id) {
    if (!accepting() || id < first_shortcut || id > last_shortcut || !enabled_[id]) {
        return;
    }
    switch (id) {
    case shortcut_new_game:
        new_game();
        break;
    case shortcut_save_game:
        save_game();
        break;
    case shortcut_load_game:
        load_game();
        break;
    case shortcut_resign:
        resign_prompt();
        break;
    case shortcut_hint:
        hint();
        break;
    case shortcut_undo:
        undo();
        break;
    case shortcut_nickname:
        change_nickname();
        break;
    case shortcut_statistics:
        show_statistics();
        break;
    case shortcut_about:
        about();
        break;
    default:
        help();
        break;
    }
}

void CHESS_APPLICATION_MANAGER::hint() {
    if (!accepting() || state_ != state_player_turn || searching()) {
        return;
    }
    set_state(state_hint);
    ui_.add_sentences(txtutil_->hint_before());
    start_search();
    raise(VELMORA_EVENT("velmora_thinking"));
}

void CHESS_APPLICATION_MANAGER::hint_ready() {
    set_state(state_player_turn);
    if (const std::optional<CHESS_MOVE> move = legal_or_first(search_->item())) {
        last_hint_ = move;
        last_hint_string_ = game_.move_text(*move);
        ui_.add_sentences(txtutil_->hint_after(*last_hint_string_));
    }
    ui_.enable_board();
    end_thinking();
}

void CHESS_APPLICATION_MANAGER::change_nickname() {
    if (!accepting()) {
        return;
    }
    const std::string answer = ui_.ask_nickname(player_nick_);
    if (answer != player_nick_) {
        show_framed(txtutil_->change_nickname(player_nick_, answer));
        raise(VELMORA_EVENT("nickname_taunt"));
    }
    set_nickname(answer);
    keep_last_game();
}

void CHESS_APPLICATION_MANAGER::set_nickname(const std::string& nick) {
    player_nick_ = nick;
    if (state_ != state_no_game) {
        ui_.set_player_name(player_color_, player_nick_);
    }
    txtutil_->set_variable("player", player_nick_);
}

void CHESS_APPLICATION_MANAGER::show_statistics() {
    if (!accepting() || state_ == state_no_game) {
        return;
    }
    const CHESS_STATISTICS& statistics = search_->statistics();
    CHAT_STATISTICS_VALUES values;
    if (statistics.nodes_per_second_measured) {
        values.nodes_per_second = statistics.nodes_per_second;
    }
    if (statistics.last_nps_measured) {
        values.last_nps = statistics.last_nps;
    }
    values.last_node_count = statistics.last_node_count;
    values.total_hash_slots = statistics.total_hash_slots;
    values.hash_slots_used = statistics.hash_slots_used;
    values.total_hash_collisions = statistics.total_hash_collisions;
    values.total_hash_lookups = statistics.total_hash_lookups;
    values.best_sequence = statistics.best_sequence;
    show_framed(txtutil_->statistics(values, game_options_.out()));
}

void CHESS_APPLICATION_MANAGER::about() {
    if (!accepting()) {
        return;
    }
    show_framed(txtutil_->about());
    if (velmora_->showing()) {
        raise(VELMORA_EVENT("credits"));
        return;
    }
    raise(VELMORA_EVENT("sitdown"));
    raise(VELMORA_EVENT("credits"));
    raise(VELMORA_EVENT("standup"));
}

void CHESS_APPLICATION_MANAGER::help() {
    if (!accepting()) {
        return;
    }
    help_topic("HELP");
    if (!velmora_->debug_mode()) {
        return;
    }
    const std::optional<std::vector<std::string>> labels = ui_.ask_debug_events();
    if (!labels) {
        return;
    }
    for (const std::string& label : *labels) {
        if (std::optional<VELMORA_EVENT> event = VELMORA_DEBUG_EVENTS::make(label)) {
            // A move reaction tried by hand speaks of the last move of the game.
            if (event->row().by != VELMORA_MOVER::nobody) {
                event->variables = last_move_variables();
            }
            velmora_->add(*event);
        }
    }
}

void CHESS_APPLICATION_MANAGER::help_topic(const std::string& identifier) {
    std::optional<int32_t> topic = CHAT_TEXT_UTILITIES::help_topic(identifier);
    if (!topic) {
        system_message("invalid help topic");
        topic = 0;
    }
    std::vector<CHESS_GUI_CHAT_SENTENCE> sentences = txtutil_->help(*topic);
    if (*topic == levels_help_topic) {
        const std::vector<CHESS_GUI_CHAT_SENTENCE> table = strength_sentences();
        sentences.insert(sentences.end(), table.begin(), table.end());
    }
    show_framed(sentences);
}

// The measured strength of every level, and of the levels that can go easy, one line a level.
std::vector<CHESS_GUI_CHAT_SENTENCE> CHESS_APPLICATION_MANAGER::strength_sentences() {
    std::vector<CHESS_GUI_CHAT_SENTENCE> sentences;
    CHESS_GUI_CHAT_SENTENCE heading = CHESS_GUI_CHAT_SENTENCE::system();
    heading.add(CHESS_GUI_CHAT_PHRASE::normal(
        "How strong each level plays, measured against Stockfish's strength limit (a rating on "
        "the engines' scale, not a chess federation's):"));
    sentences.push_back(heading);
    for (int32_t n = 1; n <= NEW_GAME_SKILL_LEVEL::level_count; ++n) {
        const std::optional<NEW_GAME_STRENGTH> plain = NEW_GAME_STRENGTH::estimate(n, false);
        if (!plain) {
            continue;
        }
        CHESS_GUI_CHAT_SENTENCE line = CHESS_GUI_CHAT_SENTENCE::system();
        line.add(CHESS_GUI_CHAT_PHRASE::bold("Level " + std::to_string(n)));
        std::string text = " " + NEW_GAME_SKILL_LEVEL::level(n).description + ": " +
                           plain->about_text() + " (\u00b1 " + std::to_string(plain->margin) +
                           ", " + plain->method.substr(0, plain->method.find(' ')) + ")";
        if (const std::optional<NEW_GAME_STRENGTH> easy = NEW_GAME_STRENGTH::estimate(n, true)) {
            text += "; going easy " + easy->about_text() + " (\u00b1 " +
                    std::to_string(easy->margin) + ")";
        }
        line.add(CHESS_GUI_CHAT_PHRASE::normal(text));
        sentences.push_back(line);
    }
    return sentences;
}

// ---------------------------------------------------------------------------------------------
// Files

void CHESS_APPLICATION_MANAGER::save_game() {
    if (!accepting()) {
        return;
    }
    const std::optional<std::string> path = ui_.ask_save_file(file_name_);
    if (!path) {
        return;
    }
    CHESS_GAME_FILE file(*path);
    file.write(game_, game_options_, player_nick_, resigned_);
    if (file.failed()) {
        show_framed(txtutil_->save_error(file.error_message()));
        ui_.beep(UI::beep_default);
        return;
    }
    show_framed(txtutil_->save(*path));
    file_name_ = *path;
}

// PGN goes through the durable writer like every file, and fails the way Save fails.
void CHESS_APPLICATION_MANAGER::export_pgn(const std::string& path) {
    if (!accepting()) {
        return;
    }
    bool written = false;
    try {
        KWO_DURABLE_WRITER writer(path);
        writer.write(CHESS_PGN_WRITER::text(game_, game_options_, player_nick_, resigned_));
        written = !writer.failed();
    } catch (const std::exception&) {
        written = false;
    }
    if (!written) {
        show_framed(txtutil_->save_error("file is not writeable: " + path));
        ui_.beep(UI::beep_default);
        return;
    }
    show_framed(txtutil_->save(path));
}

void CHESS_APPLICATION_MANAGER::load_game() {
    if (!accepting() || searching() || (state_ != state_no_game && state_ != state_game_over)) {
        return;
    }
    const std::optional<std::string> path = ui_.ask_load_file(file_name_);
    if (!path) {
        return;
    }
    const auto file = std::make_unique<CHESS_GAME_FILE>(*path);
    file->read();
    if (file->failed()) {
        show_framed(txtutil_->load_error(file->error_message()));
        ui_.beep(UI::beep_default);
        return;
    }
    show_framed(txtutil_->load(*path));
    file_name_ = *path;
    const CHESS_SAVED_GAME& saved = file->saved_game();
    set_nickname(saved.nickname);
    begin_game(saved.game, saved.options, saved.resigned);
}

// The game is written as it stands, which during a search is the position before the
// computer's move; the search is then stopped and nothing changes the game any more.
bool CHESS_APPLICATION_MANAGER::autosave() {
    if (!accepting()) {
        return true;
    }
    keep_last_game();
    closing_ = true;
    end_review();
    if (searching()) {
        search_->terminate();
    }
    return true;
}

// The game in progress is written after every change, exactly as closing writes it, so that a
// kill, a logout or a power cut loses nothing.
void CHESS_APPLICATION_MANAGER::keep_last_game() {
    if (accepting() && last_game_kept_) {
        write_game_file(autosave_name);
    }
}

void CHESS_APPLICATION_MANAGER::write_game_file(const std::string& name) {
    std::error_code error;
    std::filesystem::create_directories(data_directory_, error);
    CHESS_GAME_FILE(data_file(name)).write(game_, game_options_, player_nick_, resigned_);
}

// ---------------------------------------------------------------------------------------------
// Review

namespace {

// A loss in pawns with one decimal, rounded: 310 centipawns are "3.1".
std::string pawns_text(int32_t centipawns) {
    const int32_t tenths = (std::max(centipawns, 0) + 5) / 10;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

VELMORA_EVENT review_event(CHESS_TURNING_POINT::KIND kind) {
    using KIND = CHESS_TURNING_POINT::KIND;
    switch (kind) {
    case KIND::blunder:
        return VELMORA_EVENT("review_blunder");
    case KIND::mistake:
        return VELMORA_EVENT("review_mistake");
    case KIND::missed_win:
        return VELMORA_EVENT("review_missed_win");
    case KIND::best_move:
        return VELMORA_EVENT("review_best_move");
    case KIND::her_mistake:
        return VELMORA_EVENT("review_her_mistake");
    }
    std::abort(); // every kind has its group
}

// What a persona without the review's groups shows: the facts, as a notice.
std::string review_notice(CHESS_TURNING_POINT::KIND kind, const std::string& move_number,
                          const CHESS_REVIEWED_PLY& reviewed) {
    const std::string head = "[REVIEW: move " + move_number + ", " + reviewed.played + " \u2014 ";
    if (kind == CHESS_TURNING_POINT::KIND::best_move) {
        return head + "best move]";
    }
    return head + "better " + reviewed.better + ", loses " + pawns_text(reviewed.loss) + "]";
}

const VELMORA_TEXT review_links({"<next|REVIEW_NEXT>   <done|REVIEW_DONE>"}, false);

} // namespace

void CHESS_APPLICATION_MANAGER::offer_review() {
    if (game_.has_moves()) {
        show_framed(txtutil_->system_sentences(
            VELMORA_TEXT({"<Shall we look at the game together?|REVIEW_GAME>"}, false)));
    }
}

// A review asked for again walks through the points already found.
void CHESS_APPLICATION_MANAGER::start_review() {
    if (state_ != state_game_over || !game_.has_moves()) {
        system_message("[No finished game to review]");
        return;
    }
    if (review_running()) {
        return;
    }
    if (review_) {
        present_review();
        return;
    }
    review_ = std::make_unique<CHESS_REVIEW_WORKER>(game_, player_color_);
    ui_.show_review_progress(0, review_->total());
}

void CHESS_APPLICATION_MANAGER::review_tick() {
    if (!accepting() || !review_running()) {
        return;
    }
    if (!review_->finished()) {
        ui_.show_review_progress(review_->done(), review_->total());
        return;
    }
    ui_.hide_review_progress();
    review_analysed_ = true;
    review_points_ = review_->review().turning_points();
    present_review();
}

void CHESS_APPLICATION_MANAGER::present_review() {
    if (review_points_.empty()) {
        VELMORA_EVENT event("review_clean_game");
        velmora_->execute_now(event);
        if (event.text_message) {
            show_framed(txtutil_->velmora_sentences(*event.text_message));
        } else {
            announce({"[REVIEW: no turning points]"});
        }
        return;
    }
    review_point_ = 0;
    show_review_point();
}

// The position before the move, as history browsing shows it, with the move played and the
// better one drawn over it.
void CHESS_APPLICATION_MANAGER::show_review_point() {
    const CHESS_TURNING_POINT& point = review_points_[*review_point_];
    const CHESS_REVIEWED_PLY& reviewed = review_->review().ply(point.ply);
    current_ply_ = point.ply - 1;
    refresh_board();
    ui_.mark_history_ply(current_ply_);
    const bool better_differs = reviewed.better_move != reviewed.move;
    ui_.show_review_moves(reviewed.move.src, reviewed.move.dst,
                          better_differs ? reviewed.better_move.src : 0,
                          better_differs ? reviewed.better_move.dst : 0);
    say_review_line(point);
}

void CHESS_APPLICATION_MANAGER::say_review_line(const CHESS_TURNING_POINT& point) {
    const CHESS_REVIEWED_PLY& reviewed = review_->review().ply(point.ply);
    const std::string move_number = std::to_string((point.ply + 1) / 2);
    VELMORA_EVENT event = review_event(point.kind);
    event.variables = VELMORA_CHAT_VARIABLES({{"played", reviewed.played},
                                              {"better", reviewed.better},
                                              {"move_number", move_number},
                                              {"loss", pawns_text(reviewed.loss)}});
    velmora_->execute_now(event);
    ui_.add_blank_line();
    if (event.text_message) {
        ui_.add_sentences(txtutil_->velmora_sentences(*event.text_message, event.variables));
    } else {
        ui_.add_sentence(
            CHESS_ANNOUNCEMENT::make({review_notice(point.kind, move_number, reviewed)}));
    }
    ui_.add_sentences(txtutil_->system_sentences(review_links));
    ui_.add_blank_line();
}

void CHESS_APPLICATION_MANAGER::next_review_point() {
    if (!review_point_) {
        system_message("[The review is over]");
        return;
    }
    if (++*review_point_ < review_points_.size()) {
        show_review_point();
        return;
    }
    finish_review_walk();
}

// The board goes back to the game's last position; the findings stay for another look.
void CHESS_APPLICATION_MANAGER::finish_review_walk() {
    if (!review_point_) {
        system_message("[The review is over]");
        return;
    }
    review_point_.reset();
    ui_.clear_review_moves();
    ui_.unmark_history_ply();
    current_ply_ = game_.move_count();
    refresh_board();
}

// The game changes or the window closes: the analysis stops at once, its thread is joined, and
// the board shows the game again.
void CHESS_APPLICATION_MANAGER::end_review() {
    if (!review_) {
        return;
    }
    if (review_running()) {
        ui_.hide_review_progress();
    }
    if (review_point_) {
        finish_review_walk();
    }
    review_.reset();
    review_analysed_ = false;
    review_points_.clear();
}

// ---------------------------------------------------------------------------------------------
// Links

void CHESS_APPLICATION_MANAGER::follow_link(const CHESS_LINK_DATA& link) {
    if (!accepting()) {
        return;
    }
    if (!link.identifier) {
        system_message("[try using your web browser]");
        return;
    }
    const std::string& id = *link.identifier;
    const bool in_game = state_ != state_no_game && state_ != state_game_over;
    if (id == "START_MENU") {
        if (in_game || searching()) {
            system_message("[game already in progress]");
        } else {
            new_game();
        }
    } else if (id == "HINT_MOVE") {
        follow_hint_link(link.url);
    } else if (id == "EE") {
        raise(VELMORA_EVENT("ee"));
        system_message("[easter egg]");
    } else if (id == "RESIGN_GAME") {
        resign();
    } else if (id == "REVIEW_GAME") {
        start_review();
    } else if (id == "REVIEW_NEXT") {
        next_review_point();
    } else if (id == "REVIEW_DONE") {
        finish_review_walk();
    } else if (id == "MAIL_TO") {
        system_message("[um, this is just a game, not an e-mail application]");
    } else if (id.rfind("HELP", 0) == 0) {
        help_topic(id);
    } else {
        system_message("[invalid link " + id + "]");
    }
}

void CHESS_APPLICATION_MANAGER::follow_hint_link(const std::string& url) {
    if (state_ == state_no_game || state_ == state_game_over) {
        system_message("[No game in progress]");
    } else if (last_hint_string_ && *last_hint_string_ == url && last_hint_ && is_players_turn()) {
        leave_browsing();
        // A hint from an earlier turn may no longer be legal; then it is not played.
        if (is_legal(*last_hint_)) {
            play_player_move(*last_hint_, true);
        }
    } else {
        system_message("[Hint " + url + " expired]");
    }
}

// ---------------------------------------------------------------------------------------------
// Persona output

void CHESS_APPLICATION_MANAGER::raise(VELMORA_EVENT event) {
    velmora_->add(std::move(event));
}

void CHESS_APPLICATION_MANAGER::set_cam_on(bool on) {
    cam_on_ = on;
    clip_failed_ = false;
    velmora_->set_webcam_on(on);
}

void CHESS_APPLICATION_MANAGER::present_next(bool with_clip) {
    velmora_->next();
    if (with_clip && velmora_->video_clip()) {
        ui_.play_clip(velmora_->video_clip()->start_frame, velmora_->video_clip()->end_frame);
    }
    if (velmora_->text_message()) {
        ui_.add_sentences(txtutil_->velmora_sentences(*velmora_->text_message(),
                                                      velmora_->current_event()->variables));
    }
}

void CHESS_APPLICATION_MANAGER::clip_end() {
    if (accepting() && cam_on_ && !clip_failed_) {
        present_next(true);
    }
}

// The next reaction waits as long as it would with the webcam off, so clips that cannot play
// never chase each other through the chat.
void CHESS_APPLICATION_MANAGER::clip_failed() {
    if (accepting() && cam_on_) {
        clip_failed_ = true;
        counter_ = 0;
    }
}

void CHESS_APPLICATION_MANAGER::webcam_on() {
    if (!accepting() || !video_file_available_) {
        return;
    }
    set_cam_on(true);
    present_next(true);
    raise(VELMORA_EVENT("webcam_on"));
}

void CHESS_APPLICATION_MANAGER::webcam_off() {
    if (!accepting()) {
        return;
    }
    set_cam_on(false);
    ui_.stop_video();
    raise(VELMORA_EVENT("webcam_off"));
}

void CHESS_APPLICATION_MANAGER::show_framed(const std::vector<CHESS_GUI_CHAT_SENTENCE>& sentences) {
    ui_.add_blank_line();
    ui_.add_sentences(sentences);
    ui_.add_blank_line();
}

void CHESS_APPLICATION_MANAGER::system_message(const std::string& text) {
    ui_.beep(UI::beep_default);
    announce({text});
}

void CHESS_APPLICATION_MANAGER::announce(std::initializer_list<std::string> parts) {
    ui_.add_blank_line();
    ui_.add_sentence(CHESS_ANNOUNCEMENT::make(parts));
    ui_.add_blank_line();
}
