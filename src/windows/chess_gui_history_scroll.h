// The scroll bar under the move history: its position is the number of plies whose resulting
// position the board shows (0 the start position, the range's end the current one). It reports the
// position to the window after every action of the user, and never for the program's own changes
// of range or position.
#pragma once

#include "windows/chess_gui_control.h"

#include <QScrollBar>
#include <cstdint>

class CHESS_GUI_HISTORY_SCROLL : public QScrollBar, public CHESS_GUI_CONTROL {
  public:
    explicit CHESS_GUI_HISTORY_SCROLL(CHESS_GUI_WINDOW* window);

    // Range 0..plies, position at its end.
    void set_history_plies(int32_t plies);
    int32_t num_plies() const { return num_plies_; }

  private:
    void report(int action);

    int32_t num_plies_ = 0;
};
