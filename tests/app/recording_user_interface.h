// A window without a display for the application tests: every user-interface operation is
// recorded with its arguments, the display it would show is kept as plain values (chat lines,
// names, statuses, history, board, enabled commands), and dialogs answer from a script the
// test fills beforehand. A hook runs in the search's message pump, so a test can click links
// or close the window while the computer thinks.
#pragma once

#include "app/chess_application_user_interface.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct RECORDED_CALL {
    std::string operation;
    std::vector<int32_t> numbers;
    std::string text;
};

class RECORDING_USER_INTERFACE : public CHESS_APPLICATION_USER_INTERFACE {
  public:
    // Every call, in order.
    std::vector<RECORDED_CALL> calls;

    // What the window shows.
    std::vector<std::string> chat; // one entry per chat line; "" for a blank line
    std::vector<CHESS_GUI_CHAT_SENTENCE> sentences;
    std::string title;
    std::string video_caption;
    int32_t bottom_side = 0;
    int32_t side_to_move = 0; // 0: no arrow
    std::array<std::string, 3> names{};
    std::array<std::string, 3> statuses{};
    std::vector<std::string> history;
    // The same moves in standard notation.
    std::vector<std::string> san_history;
    std::optional<int32_t> marked_ply;
    int32_t history_plies = -1;
    std::optional<CHESS_GUI_BOARD_INFO> board;
    bool board_enabled = false;
    bool thinking = false;
    // The review's arrows: played from, to, better from, to.
    std::optional<std::array<int32_t, 4>> review_moves;
    // The review's progress bar: plies done and in all.
    std::optional<std::pair<int32_t, int32_t>> review_progress;
    std::array<std::optional<bool>, 11> commands{}; // index 1..10
    std::vector<std::string> errors;
    std::vector<int32_t> beeps;
    std::vector<std::pair<int32_t, int32_t>> clips;
    std::vector<std::pair<int32_t, int32_t>> animations;
    bool webcam_switch_disabled = false;
    int32_t pumps = 0;

    // Dialog answers, taken from the front; an empty script cancels (the nickname dialog then
    // answers the nickname it was given).
    std::deque<std::optional<CHESS_GAME_OPTIONS>> new_game_answers;
    std::deque<std::optional<std::string>> save_answers;
    std::deque<std::optional<std::string>> load_answers;
    std::deque<std::string> nickname_answers;
    std::deque<std::optional<std::vector<std::string>>> debug_answers;
    std::optional<std::string> open_video_error;
    int64_t video_frames = 1000000;
    // Runs inside process_pending_events, as a message dispatched during the search would.
    std::function<void()> on_pump;

    // Queries.
    int count(const std::string& operation) const;
    std::vector<const RECORDED_CALL*> all(const std::string& operation) const;
    const RECORDED_CALL* last(const std::string& operation) const;
    bool chat_has(const std::string& line) const;
    std::string chat_text() const;
    // The lines the character said (her nickname prefix removed), in order.
    std::vector<std::string> velmora_lines() const;
    bool enabled(int32_t id) const { return commands[id].value_or(false); }
    std::vector<int32_t> enabled_commands() const;

    void add_sentence(const CHESS_GUI_CHAT_SENTENCE& sentence) override;
    void add_sentences(const std::vector<CHESS_GUI_CHAT_SENTENCE>& list) override;
    void add_blank_line() override;
    void set_title(const std::string& text) override;
    void set_video_caption(const std::string& text) override;
    void set_bottom_side(int32_t side) override;
    void show_side_to_move(int32_t side) override;
    void clear_side_to_move() override;
    void set_player_name(int32_t side, const std::string& text) override;
    void set_status(int32_t side, const std::string& text) override;
    void clear_history() override;
    void add_history_move(const std::string& text, const std::string& san) override;
    void remove_last_history_move() override;
    void mark_history_ply(int32_t ply) override;
    void unmark_history_ply() override;
    void set_history_plies(int32_t plies) override;
    void move_played(int32_t side, const std::string& san) override;
    void update_board(const CHESS_GUI_BOARD_INFO& board_info) override;
    void animate_move(int32_t from, int32_t to) override;
    void enable_board() override;
    void disable_board() override;
    void begin_thinking() override;
    void end_thinking() override;
    void show_review_moves(int32_t played_from, int32_t played_to, int32_t better_from,
                           int32_t better_to) override;
    void clear_review_moves() override;
    void show_review_progress(int32_t done, int32_t total) override;
    void hide_review_progress() override;
    void enable_command(int32_t id) override;
    void disable_command(int32_t id) override;
    std::optional<std::string> open_video(const std::string& path) override;
    int64_t video_frame_count() override;
    void play_clip(int32_t first_frame, int32_t last_frame) override;
    void stop_video() override;
    void disable_webcam_switch() override;
    void show_error(const std::string& text) override;
    std::optional<CHESS_GAME_OPTIONS> ask_new_game(const CHESS_GAME_OPTIONS& options) override;
    std::optional<std::string> ask_save_file(const std::string& name) override;
    std::optional<std::string> ask_load_file(const std::string& name) override;
    std::string ask_nickname(const std::string& nick) override;
    std::optional<std::vector<std::string>> ask_debug_events() override;
    void beep(int32_t sound) override;
    void process_pending_events() override;

  private:
    void record(const std::string& operation, std::vector<int32_t> numbers = {},
                std::string text = "");
    void add_chat(const CHESS_GUI_CHAT_SENTENCE& sentence);
};
