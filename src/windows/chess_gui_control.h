// The mix-in of every child control of the game's window: the way back to the window whose
// callbacks the control calls when the user acts on it.
#pragma once

class CHESS_GUI_WINDOW;

class CHESS_GUI_CONTROL {
  public:
    explicit CHESS_GUI_CONTROL(CHESS_GUI_WINDOW* chess_window) : chess_window(chess_window) {}

  protected:
    CHESS_GUI_WINDOW* chess_window;
};
