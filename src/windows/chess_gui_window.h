// A top-level window that owns the game's controls. The controls report what the user did through
// the five callbacks below, which do nothing unless a window redefines them; so a control can be
// placed on any such window (a test window records the calls, the main window forwards them to the
// application).
#pragma once

#include "persona/chess_link_data.h"
#include "rules/chess_constants.h"

#include <QWidget>
#include <cstdint>

class CHESS_GUI_IMAGE_BUTTON;

class CHESS_GUI_WINDOW : public QWidget,
                         public CHESS_GENERAL_CONSTANTS,
                         public CHESS_SQUARE_CONSTANTS,
                         public CHESS_PIECE_CONSTANTS {
  public:
    explicit CHESS_GUI_WINDOW(QWidget* parent = nullptr) : QWidget(parent) {}

    // The board control completed a move; promotion is the chosen piece code, 0 for none.
    virtual void on_board_move(int32_t from, int32_t to, int32_t promotion) {
        (void)from, (void)to, (void)promotion;
    }
    // The history scroll bar selected the position after ply plies.
    virtual void on_history_select(int32_t ply) { (void)ply; }
    // An image button was pressed and is now on or off.
    virtual void on_button_switch(CHESS_GUI_IMAGE_BUTTON* button, bool is_on) {
        (void)button, (void)is_on;
    }
    // A link in the chat pane was clicked.
    virtual void on_link_click(const CHESS_LINK_DATA& link) { (void)link; }
    // The webcam finished its clip.
    virtual void on_clip_end() {}
};
