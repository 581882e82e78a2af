// The scroll bar under the move history: its position is the number of plies whose resulting
// position the board shows (0 the start position, the range's end the current one). It reports the
// position through history_selected after every action of the user, and never for the program's
// own changes of range or position.
#pragma once

#include <QScrollBar>
#include <cstdint>

class CHESS_GUI_HISTORY_SCROLL : public QScrollBar {
    Q_OBJECT

  public:
    explicit CHESS_GUI_HISTORY_SCROLL(QWidget* parent);

    // Range 0..plies, position at its end.
    void set_history_plies(int32_t plies);
    // Moves the slider to the position after plies plies, without reporting it.
    void show_position(int32_t plies);

  signals:
    // The user asked for the position after ply plies (0..the range's end).
    void history_selected(int32_t ply);

  private:
    void report(int action);

    int32_t num_plies_ = 0;
};
