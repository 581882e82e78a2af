// The pop-up menu of game commands offered beside the chat: "New game", "Load game", "Save game";
// "Hint", "Undo move", "Resign"; "Change nickname", "Game statistics"; "About", "Help", with
// separators between the groups. Each item carries its command identifier
// (CHESS_SHORTCUT_CONSTANTS) and can be greyed by it; the chosen identifier is reported through
// command_chosen.
#pragma once

#include "app/chess_shortcut_constants.h"

#include <QMenu>
#include <cstdint>

class CHESS_GUI_CHAT_MENU : public QMenu, public CHESS_SHORTCUT_CONSTANTS {
    Q_OBJECT

  public:
    // The window's own commands after the game's: the zoom.
    static constexpr int32_t zoom_in = 11;
    static constexpr int32_t zoom_out = 12;
    static constexpr int32_t zoom_reset = 13;

    explicit CHESS_GUI_CHAT_MENU(QWidget* parent);

    void enable_command(int32_t id);
    void disable_command(int32_t id);
    bool is_command_enabled(int32_t id) const;
    QAction* command_action(int32_t id) const;
    // Opens the menu with its right edge at x and its top at y (global coordinates).
    void popup_right_aligned(QPoint right_top);

  signals:
    void command_chosen(int32_t id);

  private:
    void report(const QAction* action);
};
