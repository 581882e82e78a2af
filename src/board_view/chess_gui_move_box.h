// The move box: the small line where a move is typed instead of dragged. It takes standard
// notation and coordinates (CHESS_MOVE_PARSER reads them against the position on the board),
// offers the legal moves' texts as the player types, and on Enter either reports the move through
// move_entered (the same three numbers the board reports) or shows a short reason beside itself
// and keeps the text for mending. It holds nothing of the game but the position it was last
// shown, and takes a move only while the board does.
#pragma once

#include "board_model/chess_gui_board_info.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <optional>

class CHESS_GUI_MOVE_BOX : public QLineEdit {
    Q_OBJECT

  public:
    // The box and its reason label, both children of parent.
    explicit CHESS_GUI_MOVE_BOX(QWidget* parent);

    // The position moves are typed against, and the texts offered.
    void set_position(const CHESS_GUI_BOARD_INFO& info);
    // Whether Enter may play a move now (the player's turn).
    void set_accepting(bool accepting);
    // Takes the focus with text already typed (the board's first key).
    void open_with(const QString& text);
    QLabel* reason_label() const { return reason_; }

  signals:
    void move_entered(int from, int to, int promotion);
    // Escape: the player goes back to the board.
    void left();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void enter();
    void show_reason(const QString& reason);

    QLabel* reason_;
    QStringListModel* texts_;
    std::optional<CHESS_POSITION> position_;
    bool accepting_ = false;
};
