// The central controller: it owns the game, its options, the search engine, the persona and the
// chat text utilities for the whole run, holds the five-state application machine, and turns
// commands, board moves, chat links, clip ends and timer ticks into changes of the game,
// announcements in the chat and persona events. It sees the window only through
// CHESS_APPLICATION_USER_INTERFACE, so whole games are played and tested without a display.
//
// Creation has two phases: the constructor only stores its collaborators; `start` reads the
// installation directory and the persona, checks the video and runs the start sequence. After a
// failed start nothing else of the manager may be used, and closing writes nothing.
#pragma once

#include "app/chess_app_state_constants.h"
#include "app/chess_application_user_interface.h"
#include "app/chess_settings_store.h"
#include "app/chess_shortcut_constants.h"
#include "persona/chess_link_data.h"
#include "persona/velmora_chat_variables.h"
#include "rules/chess_game.h"
#include "rules/kwo_random.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CHAT_TEXT_UTILITIES;
class CHESS_APPLICATION_INSTALL_DIR;
class CHESS_REVIEW_WORKER;
struct CHESS_TURNING_POINT;
class CHESS_GAME_FILE;
class CHESS_SEARCH_NO_THREAD;
class VELMORA;
class VELMORA_EVENT;

class CHESS_APPLICATION_MANAGER : public CHESS_APP_STATE_CONSTANTS,
                                  public CHESS_SHORTCUT_CONSTANTS {
  public:
    CHESS_APPLICATION_MANAGER(CHESS_APPLICATION_USER_INTERFACE& ui,
                              const CHESS_SETTINGS_STORE& settings);
    ~CHESS_APPLICATION_MANAGER();

    // Creation proper and the start sequence (autoload included). The autoloaded game's search,
    // if the computer is to move, runs inside this call.
    void start();
    bool failed() const;

    // Commands (CHESS_SHORTCUT_CONSTANTS), from the chat menu or the window.
    void command(int32_t id);
    void new_game();
    void save_game();
    void load_game();
    void resign_prompt();
    void hint();
    void undo();
    void change_nickname();
    void show_statistics();
    void about();
    void help();
    // Writes the game as PGN to path, the file the player chose for it.
    void export_pgn(const std::string& path);

    // The player dropped a piece: from, to and the promotion piece code (0 for none). A drop that
    // is no legal move here, or comes when it is not the player's turn, is refused and the board
    // shows the game's position again.
    void player_move(int32_t from, int32_t to, int32_t promotion);
    void follow_link(const CHESS_LINK_DATA& link);
    void flip_board();
    void webcam_on();
    void webcam_off();
    // The one-second timer: applies a finished search and paces the persona with the webcam off.
    void tick();
    // The video window reports the end of a clip: with the webcam on, the next response plays.
    void clip_end();
    // The video window reports a clip that could not be played.
    void clip_failed();
    // The player selected ply n (0..history count) in the history list.
    void history_select(int32_t n);
    // While the review's progress bar shows: the analysis's progress, and its turning points
    // once it has finished.
    void review_tick();
    // The window is closing: writes the last game and stops a running search. Always answers
    // true. Nothing changes the game afterwards.
    bool autosave();

    // The settings key of "go easy on me", off unless the player chose it.
    static constexpr const char* go_easy_key = "GoEasy";
    // The help page on new games and skill levels, which also shows the levels' strength.
    static constexpr int32_t levels_help_topic = 7;
    // Starts the random mistakes of every later game from this seed instead of the clock.
    void seed_go_easy(int32_t seed) { go_easy_seed_ = seed; }
    // "Vary my openings": her first moves come from the opening book, drawn at random. Kept in
    // the settings as "VaryOpenings", on unless the player chose otherwise.
    bool vary_openings() const { return vary_openings_; }
    void set_vary_openings(bool on);
    // Restarts the book's generator, so that a run of book moves can be repeated.
    void seed_openings(int32_t seed) { book_random_.set_seed(seed); }

    // What the manager holds, for reading.
    int32_t state() const;
    bool searching() const;
    bool cam_on() const;
    int32_t current_ply() const;
    // The game in play.
    const CHESS_GAME& game() const;
    // The review's analysis is running.
    bool review_running() const;
    // A turning point of the review is on the board.
    bool review_shown() const;

  private:
    bool accepting() const;

    // Start-up.
    bool read_configuration();
    void check_video_file();
    void start_sequence();
    std::optional<std::string> last_game_path() const;
    void autoload(const std::string& path, const CHESS_GAME_FILE& file);
    void keep_damaged_last_game(const std::string& path, const std::string& reason);
    static std::optional<std::string> moved_aside(const std::string& path);
    std::string data_file(const std::string& name) const;

    // States, seating and the command table.
    void set_state(int32_t s);
    void apply_command_table();
    void set_command(int32_t id, bool enabled);
    bool undo_allowed() const;
    bool undo_enabled() const;
    void clear_hint();

    // Games and moves.
    void begin_game(const CHESS_GAME& g, const CHESS_GAME_OPTIONS& options, bool resigned_flag);
    void reset_search(const CHESS_GAME_OPTIONS& options);
    bool going_easy() const;
    void continue_game();
    void computer_turn();
    // Takes her move from the opening book when variety is on and the game is still in the book;
    // the move is played at the next tick as a search's would be.
    bool take_book_move();
    void start_search();
    void begin_thinking();
    void end_thinking();
    void computer_move();
    void hint_ready();
    bool is_players_turn() const;
    // Plays the player's legal move (animated for a played hint) and goes on to the computer.
    void play_player_move(const CHESS_MOVE& move, bool animate);
    bool is_legal(const CHESS_MOVE& move) const;
    std::optional<CHESS_MOVE> legal_or_first(const std::optional<CHESS_MOVE>& move) const;
    // Plays move for the side to move; answers the kind it captured (0 for none).
    int32_t play(const CHESS_MOVE& move);
    bool ends_game(bool by_velmora);
    void announce_end(std::initializer_list<std::string> announcement, int32_t sound,
                      VELMORA_EVENT event);
    void raise_move_event(const CHESS_MOVE& move, int32_t captured_kind, bool by_velmora);
    // The chat variables of the last move played ($move, $piece, ...); none before the first.
    VELMORA_CHAT_VARIABLES last_move_variables() const;
    // Names the opening the moves have reached, once a game, and lets her react from the
    // persona's optional @OPENING group.
    void name_opening();
    void remember_openings_played();
    void resign();
    void resume();
    void take_back(int32_t plies, bool taunt);
    void leave_browsing();
    void refresh_board();
    void update_score();
    void show_statuses();
    void set_statuses(const std::string& player, const std::string& velmora);
    void set_nickname(const std::string& nick);
    void keep_last_game();
    void write_game_file(const std::string& name);

    // The review of a finished game: the analysis runs on a worker of its own and never touches
    // the game; then she walks through the turning points on the board, as history browsing
    // shows past positions. Ending it brings the board back to the game's last position.
    void offer_review();
    void start_review();
    void present_review();
    void show_review_point();
    void say_review_line(const CHESS_TURNING_POINT& point);
    void next_review_point();
    void finish_review_walk();
    void end_review();

    // Chat and persona.
    void follow_hint_link(const std::string& url);
    void help_topic(const std::string& identifier);
    static std::vector<CHESS_GUI_CHAT_SENTENCE> strength_sentences();
    void raise(VELMORA_EVENT event);
    // The webcam switch, as the window shows it and as the persona follows it.
    void set_cam_on(bool on);
    void present_next(bool with_clip);
    void show_framed(const std::vector<CHESS_GUI_CHAT_SENTENCE>& sentences);
    void system_message(const std::string& text);
    // A bracketed notice of the program, framed by blank lines (CHESS_ANNOUNCEMENT).
    void announce(std::initializer_list<std::string> parts);

    CHESS_APPLICATION_USER_INTERFACE& ui_;
    const CHESS_SETTINGS_STORE& settings_;
    CHESS_GAME game_;
    CHESS_GAME_OPTIONS game_options_;
    std::unique_ptr<CHESS_SEARCH_NO_THREAD> search_;
    // The root margin of her own moves in this game; hints always search plainly.
    int32_t root_margin_ = 0;
    std::optional<int32_t> go_easy_seed_;
    std::unique_ptr<VELMORA> velmora_;
    std::unique_ptr<CHESS_APPLICATION_INSTALL_DIR> install_dir_;
    std::unique_ptr<CHAT_TEXT_UTILITIES> txtutil_;
    std::unique_ptr<CHESS_REVIEW_WORKER> review_;
    // The worker has finished and review_points_ hold its findings.
    bool review_analysed_ = false;
    std::vector<CHESS_TURNING_POINT> review_points_;
    // The turning point on the board; none outside the walk.
    std::optional<size_t> review_point_;
    std::string player_nick_ = "player";
    std::string velmora_nick_;
    std::string player_status_;
    std::string velmora_status_;
    std::string file_name_;
    std::string video_file_;
    // Where the last game and the debug record are written: the installation directory, or the
    // per-user data directory when the installation directory is not writable.
    std::string data_directory_;
    std::optional<std::string> last_hint_string_;
    std::optional<CHESS_MOVE> last_hint_;
    // A book move waiting for the tick that plays it, in place of the search's.
    std::optional<CHESS_MOVE> book_move_;
    KWO_RANDOM book_random_{KWO_RANDOM::clock_seed()};
    bool vary_openings_ = true;
    // The openings this game has named already.
    std::vector<std::string> named_openings_;
    bool failed_ = false;
    bool started_ = false;
    bool cam_on_ = false;
    // A clip could not play: the next reaction comes at the pace of the webcam being off.
    bool clip_failed_ = false;
    bool resigned_ = false;
    bool video_file_available_ = false;
    // A search has returned and the tick that applies it has not come yet.
    bool search_pending_ = false;
    bool thinking_ = false;
    // The game has been written on close; nothing may change it any more.
    bool closing_ = false;
    // False when a damaged last game could not be moved aside: it is then never written over.
    bool last_game_kept_ = true;
    std::array<bool, last_shortcut + 1> enabled_{};
    int32_t counter_ = 0;
    int32_t state_ = state_no_game;
    int32_t player_color_ = 1;
    int32_t velmora_color_ = 2;
    int32_t side_to_move_ = 1;
    int32_t bottom_side_ = 1;
    int32_t current_ply_ = 0;
};
