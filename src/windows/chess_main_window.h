// The game's one top-level window. It lays out and owns every control (board, names, statuses,
// turn arrows, rotation button, move history with its scroll bar, chat pane, webcam, webcam
// button, command-menu icon and menu, dialogs), carries out every operation the application
// manager asks of the user interface, and forwards what the player does to the manager: each
// control reports through its own signal, connected to one of the on_ handlers below. Its
// one-second timer drives the computer's turn and the character's pacing.
//
// Creation has two phases: the constructor builds the controls; start() makes the manager and runs
// its start sequence (which may show an "Initialization Error" box). A window whose start failed
// ignores every callback, writes nothing when closed, and closes as soon as the box is dismissed
// or the mouse moves over it.
//
// Every command has its keys, shown beside it in the command menu; they act exactly as the menu
// does, so a greyed command's keys do nothing. A single letter (H, F, W) also answers with Shift:
// typed on the board a lower-case letter starts a move, and in a text field every letter is text.
// Every control has an accessible name and description and the Tab key visits the board, the move
// box, the history, the chat and the buttons in that order; each move played and each notice in
// the chat is announced to assistive technology.
//
// The whole window zooms from 100 % to 300 %: every control keeps its place and proportions
// scaled, the board and pictures are drawn for the pixels they cover. Maximised or full screen,
// the content shows at the largest zoom that fits, centred on the window's background.
#pragma once

#include "app/chess_app_state_constants.h"
#include "app/chess_application_user_interface.h"
#include "app/chess_shortcut_constants.h"
#include "board_model/chess_gui_board_info.h"
#include "persona/chess_link_data.h"
#include "rules/chess_constants.h"
#include "windows/chess_gui_layout.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QProgressBar;
class CHESS_APPLICATION_MANAGER;
class CHESS_SETTINGS_STORE;
class CHESS_GUI_BOARD;
class CHESS_GUI_MOVE_BOX;
class CHESS_GUI_STATIC;
class CHESS_GUI_HISTORY;
class CHESS_GUI_HISTORY_SCROLL;
class CHESS_GUI_IMAGE_BUTTON;
class CHESS_GUI_CHAT_OUTPUT;
class CHESS_GUI_CHAT_MENU;
class CHESS_GUI_VIDEO;
class CHESS_GUI_ANNOUNCER;
class CHESS_GUI_SPEAKER;
class CHESS_EXPORT_DIALOG;
class CHESS_SAVE_DIALOG;
class CHESS_LOAD_DIALOG;
class NICKNAME_DIALOG;
class NEW_GAME_DIALOG;
class DEBUG_DIALOG;

class CHESS_MAIN_WINDOW : public QWidget,
                          public CHESS_APPLICATION_USER_INTERFACE,
                          public CHESS_GENERAL_CONSTANTS,
                          public CHESS_SQUARE_CONSTANTS,
                          public CHESS_PIECE_CONSTANTS,
                          public CHESS_APP_STATE_CONSTANTS,
                          public CHESS_SHORTCUT_CONSTANTS {
  public:
    // The client area that holds the content with its margins; the window manager adds the frame.
    static constexpr int32_t client_width = 674;
    static constexpr int32_t client_height = 562;
    static constexpr int32_t timer_period_ms = 1000;
    // How often the review's progress is looked at while its analysis runs.
    static constexpr int32_t review_period_ms = 100;
    // How long an error box at start-up waits for the window manager to place the window.
    static constexpr int32_t placing_wait_ms = 2000;

    explicit CHESS_MAIN_WINDOW(const CHESS_SETTINGS_STORE& settings);
    ~CHESS_MAIN_WINDOW() override;

    // Second phase: the manager and its start sequence; then the timer, or the close after a
    // failed start.
    void start();
    bool failed_to_initialize() const { return failed_to_initialize_; }
    CHESS_APPLICATION_MANAGER* manager() const { return mgr.get(); }
    bool thinking() const { return thinking_; }
    int32_t bottom_side() const { return bottom_side_; }
    const QTimer& timer() const { return timer_; }

    // The zoom chosen by the player (100..300 in steps of 25), and the one shown, which is the
    // largest that fits while the window is maximised or full screen.
    int32_t zoom() const { return zoom_; }
    int32_t shown_zoom() const { return shown_zoom_; }
    void set_zoom(int32_t percent);
    // The zoom reduced, when needed, so that the window fits into room.
    void fit_zoom(int32_t percent, QSize room);

    // What the controls report. Every handler ignores calls while there is no working manager.
    // The board control completed a move; promotion is the chosen piece code, 0 for none.
    void on_board_move(int32_t from, int32_t to, int32_t promotion);
    // The history scroll bar selected the position after ply plies.
    void on_history_select(int32_t ply);
    // An image button was pressed and is now on or off.
    void on_button_switch(CHESS_GUI_IMAGE_BUTTON* button, bool is_on);
    // A link in the chat pane was clicked.
    void on_link_click(const CHESS_LINK_DATA& link);
    // The webcam finished its clip.
    void on_clip_end();
    // The webcam could not play its clip.
    void on_clip_failed();
    // A command of the chat menu (1..10, or the window's own); others are ignored.
    void on_menu_command(int32_t id);
    // The history list asked for the position after plies plies.
    void on_history_position(int32_t plies);
    // The timer's tick.
    void tick();
    // The review timer's tick, while the review's analysis runs.
    void review_tick();

    // CHESS_APPLICATION_USER_INTERFACE
    void add_sentence(const CHESS_GUI_CHAT_SENTENCE& sentence) override;
    void add_sentences(const std::vector<CHESS_GUI_CHAT_SENTENCE>& sentences) override;
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

    // The controls, by their places on the window.
    CHESS_GUI_STATIC* upper_player_txt;
    CHESS_GUI_STATIC* lower_player_txt;
    CHESS_GUI_STATIC* upper_status_txt;
    CHESS_GUI_STATIC* lower_status_txt;
    CHESS_GUI_BOARD* chess_ctrl;
    CHESS_GUI_MOVE_BOX* move_box;
    CHESS_GUI_HISTORY* hist_list;
    CHESS_GUI_HISTORY_SCROLL* hist_scroll;
    CHESS_GUI_IMAGE_BUTTON* rotate_switch;
    CHESS_GUI_IMAGE_BUTTON* upper_arrow;
    CHESS_GUI_IMAGE_BUTTON* lower_arrow;
    CHESS_GUI_CHAT_OUTPUT* chat_output;
    CHESS_GUI_VIDEO* chat_video;
    CHESS_GUI_IMAGE_BUTTON* chat_video_switch;
    CHESS_GUI_IMAGE_BUTTON* chat_icon;
    CHESS_GUI_CHAT_MENU* chat_menu;
    CHESS_GUI_ANNOUNCER* announcer;
    CHESS_GUI_SPEAKER* speaker;
    // Along the foot of the chat while the review's analysis runs.
    QProgressBar* review_progress;
    NICKNAME_DIALOG* nickname_dialog;
    NEW_GAME_DIALOG* new_game_dialog;
    DEBUG_DIALOG* debug_dialog;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void create_texts();
    void create_board_controls();
    void create_chat_controls();
    void add_tooltips();
    void add_command_keys();
    void describe_controls();
    void set_tab_order();
    void toggle_webcam();
    void show_standard_notation(bool on);
    void set_up_speech();
    void speak_moves(bool on);
    void export_pgn();
    bool ready() const;
    void pop_up_chat_menu();
    void close_after_failed_start();
    void wait_until_placed();
    void centre_over_window(QWidget& box) const;
    void show_zoom();

    const CHESS_SETTINGS_STORE& settings_;
    std::unique_ptr<CHESS_APPLICATION_MANAGER> mgr;
    CHESS_SAVE_DIALOG* save_dialog = nullptr;
    CHESS_LOAD_DIALOG* load_dialog = nullptr;
    CHESS_EXPORT_DIALOG* export_dialog = nullptr;
    // The players' names by side (1 White, 2 Black), as the moves are announced.
    std::array<QString, 3> names_;
    QTimer timer_;
    QTimer review_timer_;
    bool failed_to_initialize_ = false;
    bool thinking_ = false;
    bool closed_ = false;
    int32_t bottom_side_ = 1;
    CHESS_GUI_LAYOUT layout_;
    std::vector<CHESS_GUI_LAYOUT> dialog_layouts_;
    int32_t zoom_ = 100;
    int32_t shown_zoom_ = 0; // none yet
};
