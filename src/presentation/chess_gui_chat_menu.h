// The pop-up menu of commands offered beside the chat: the game's commands ("New game", "Load
// game", "Save game"; "Hint", "Undo move", "Resign"; "Change nickname", "Game statistics";
// "About", "Help"), then the window's own (export, view, the openings and speech settings, zoom),
// with separators between the groups. Each item carries its command identifier
// (CHESS_SHORTCUT_CONSTANTS for the game's, the constants below for the window's) and its keyboard
// shortcut, shown beside it; a greyed item's shortcut does nothing. The chosen identifier is
// reported through command_chosen, whether the item was clicked or its keys pressed.
#pragma once

#include "app/chess_shortcut_constants.h"

#include <QMenu>
#include <cstdint>

class CHESS_GUI_CHAT_MENU : public QMenu, public CHESS_SHORTCUT_CONSTANTS {
    Q_OBJECT

  public:
    // The window's own commands after the game's.
    static constexpr int32_t zoom_in = 11;
    static constexpr int32_t zoom_out = 12;
    static constexpr int32_t zoom_reset = 13;
    static constexpr int32_t flip_board = 14;
    static constexpr int32_t webcam = 15;
    static constexpr int32_t standard_notation = 16;
    static constexpr int32_t export_pgn = 17;
    // Settings the menu shows checked or not.
    static constexpr int32_t vary_openings = 18;
    static constexpr int32_t speak_moves = 19;

    explicit CHESS_GUI_CHAT_MENU(QWidget* parent);

    void enable_command(int32_t id);
    void disable_command(int32_t id);
    bool is_command_enabled(int32_t id) const;
    QAction* command_action(int32_t id) const;
    // Takes the item out of the menu, with its keys, where the computer cannot carry it out.
    void remove_command(int32_t id);
    // Opens the menu with its right edge at x and its top at y (global coordinates).
    void popup_right_aligned(QPoint right_top);
    // Makes every item's shortcut work while the focus is anywhere in window.
    void add_shortcuts_to(QWidget* window) const;

  signals:
    void command_chosen(int32_t id);

  private:
    void report(const QAction* action);
};
