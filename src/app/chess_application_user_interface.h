// Everything the application manager asks of the window. The manager talks to the window only
// through these operations, so a whole game can be played and tested without a display: the
// desktop implements them with widgets, tests with a recording of every call.
#pragma once

#include "board_model/chess_gui_board_info.h"
#include "engine/chess_game_options.h"
#include "persona/chess_gui_chat_sentence.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CHESS_APPLICATION_USER_INTERFACE {
  public:
    // The platform's message beeps.
    static constexpr int32_t beep_default = 0;
    static constexpr int32_t beep_asterisk = 0x40;

    virtual ~CHESS_APPLICATION_USER_INTERFACE() = default;

    // Chat pane.
    virtual void add_sentence(const CHESS_GUI_CHAT_SENTENCE& sentence) = 0;
    virtual void add_sentences(const std::vector<CHESS_GUI_CHAT_SENTENCE>& sentences) = 0;
    virtual void add_blank_line() = 0;

    // Captions, names, statuses and turn arrows.
    virtual void set_title(const std::string& text) = 0;
    virtual void set_video_caption(const std::string& text) = 0;
    virtual void set_bottom_side(int32_t side) = 0;
    virtual void show_side_to_move(int32_t side) = 0;
    virtual void clear_side_to_move() = 0;
    virtual void set_player_name(int32_t side, const std::string& text) = 0;
    virtual void set_status(int32_t side, const std::string& text) = 0;

    // Move history list.
    virtual void clear_history() = 0;
    // A move in the coordinate form ("g1-f3") and in standard notation ("Nf3").
    virtual void add_history_move(const std::string& text, const std::string& san) = 0;
    virtual void remove_last_history_move() = 0;
    virtual void mark_history_ply(int32_t ply) = 0;
    virtual void unmark_history_ply() = 0;
    virtual void set_history_plies(int32_t plies) = 0;
    // A move has just been played in the game by side (not replayed into the list): what
    // assistive technology announces. san is its standard notation.
    virtual void move_played(int32_t side, const std::string& san) = 0;

    // Board.
    virtual void update_board(const CHESS_GUI_BOARD_INFO& board_info) = 0;
    virtual void animate_move(int32_t from, int32_t to) = 0;
    virtual void enable_board() = 0;
    virtual void disable_board() = 0;
    virtual void begin_thinking() = 0;
    virtual void end_thinking() = 0;
    // The review's arrows over the board: the move played, and the better one (from and to are
    // 0 when there is none). They stay until cleared.
    virtual void show_review_moves(int32_t played_from, int32_t played_to, int32_t better_from,
                                   int32_t better_to) = 0;
    virtual void clear_review_moves() = 0;

    // The review's progress bar. While it shows, the window calls the manager's review_tick
    // several times a second; hiding it ends the calls.
    virtual void show_review_progress(int32_t done, int32_t total) = 0;
    virtual void hide_review_progress() = 0;

    // Chat menu commands (CHESS_SHORTCUT_CONSTANTS).
    virtual void enable_command(int32_t id) = 0;
    virtual void disable_command(int32_t id) = 0;

    // Webcam: opening answers an error text, or nothing when the video opened.
    virtual std::optional<std::string> open_video(const std::string& path) = 0;
    // The number of frames the opened video holds.
    virtual int64_t video_frame_count() = 0;
    virtual void play_clip(int32_t first_frame, int32_t last_frame) = 0;
    virtual void stop_video() = 0;
    virtual void disable_webcam_switch() = 0;

    // Boxes and dialogs; "none" is a cancelled dialog.
    virtual void show_error(const std::string& text) = 0;
    virtual std::optional<CHESS_GAME_OPTIONS> ask_new_game(const CHESS_GAME_OPTIONS& options) = 0;
    virtual std::optional<std::string> ask_save_file(const std::string& name) = 0;
    virtual std::optional<std::string> ask_load_file(const std::string& name) = 0;
    virtual std::string ask_nickname(const std::string& nick) = 0;
    // The labels (VELMORA_DEBUG_EVENTS) of the events the user picked, in the user's order.
    virtual std::optional<std::vector<std::string>> ask_debug_events() = 0;

    // Platform services.
    virtual void beep(int32_t sound) = 0;
    // Handles the window messages pending now, without waiting; the search calls it every few
    // thousand nodes to keep the window alive.
    virtual void process_pending_events() = 0;
};
