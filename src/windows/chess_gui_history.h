// The moves of the game, two to a row: the move number, white's move and black's move. The list
// shows only what the application hands it. Ply index k (0 for white's first move) lives in row
// k / 2, column 1 for white and 2 for black. While the player looks at an earlier position, the
// move played from it is marked with "> " in front of its text; the mark is always removed before
// its cell changes, so no text is ever lost under a mark. The columns are sized from the font in
// use, so every move number up to 999 and every move text, marked or not, shows whole.
//
// Each move is kept in both notations, the coordinate form ("g1-f3") and standard notation
// ("Nf3"); the list shows one of them and switches without losing the mark. A click on a move
// and the keys Left, Right, Home and End ask for a position through position_requested; the
// list itself never changes what the board shows. A frame shows when it has the keyboard focus.
#pragma once

#include <QString>
#include <QTreeWidget>
#include <cstdint>
#include <vector>

class CHESS_GUI_HISTORY : public QTreeWidget {
    Q_OBJECT

  public:
    static constexpr int32_t column_count = 3;

    explicit CHESS_GUI_HISTORY(QWidget* parent);

    void clear_history();
    void add_history_move(const QString& text, const QString& san);
    void remove_last_history_move();
    void mark_history_ply(int32_t ply);
    void unmark_history_ply();

    int32_t current_ply() const { return current_ply_; }
    bool has_mark() const { return has_mark_; }
    int32_t marked_ply() const { return marked_ply_; }
    // The text of the cell of ply index ply, as shown.
    QString ply_text(int32_t ply) const;
    // The window's zoom in percent: the font it prefers grows with it.
    void set_zoom(int32_t percent);
    // Shows standard notation (true) or the coordinate form (false).
    void show_standard_notation(bool on);
    bool shows_standard_notation() const { return standard_notation_; }
    // The position shown: the number of plies played to reach it.
    int32_t shown_position() const { return has_mark_ ? marked_ply_ : current_ply_; }

  signals:
    // The player asked for the position after plies moves (0..the number of plies).
    void position_requested(int32_t plies);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    static constexpr int preferred_pixel_size = 12;
    static constexpr int smallest_pixel_size = 8;

    void fit_columns();
    int cell_width(const QFontMetrics& metrics, const QString& text) const;
    QTreeWidgetItem* row_of(int32_t ply) const;
    static int32_t column_of(int32_t ply) { return ply % 2 + 1; }
    QString shown_text(int32_t ply) const;
    void request_clicked(const QModelIndex& index);

    struct MOVE_TEXTS {
        QString coordinates;
        QString san;
    };
    std::vector<MOVE_TEXTS> moves_;
    bool standard_notation_ = false;

    QString marked_txt;
    int32_t zoom_ = 100;
    bool has_mark_ = false;
    int32_t current_ply_ = 0;
    int32_t marked_ply_ = 0;
};
