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
#include "rules/chess_game.h"

#include <cstdint>
#include <string>

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

    // A move the board control reports (animate false), or a played hint (animate true).
    void player_move(const CHESS_MOVE& move, bool animate);
    void follow_link(const CHESS_LINK_DATA& link);
    void flip_board();
    void webcam_on();
    void webcam_off();
    // The one-second timer: applies a finished search and paces the persona with the webcam off.
    void tick();
    // The video window reports the end of a clip: with the webcam on, the next response plays.
    void clip_end();
    // The player selected ply n (0..history count) in the history list.
    void history_select(int32_t n);
    // The window is closing; stops a running search first. Always answers true.
    bool autosave();

    // What the window reads.
    int32_t state() const;
    bool searching() const;
    bool cam_on() const;
    int32_t current_ply() const;
    // The game, for the window to find a legal move for a board drop.
    const CHESS_GAME& game() const;

  private:
    // The fields and the algorithms' helpers come with the implementation.
};
