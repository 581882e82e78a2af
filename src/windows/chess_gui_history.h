// The moves of the game, two to a row: the move number, white's move and black's move. The list
// shows only what the application hands it. Ply index k (0 for white's first move) lives in row
// k / 2, column 1 for white and 2 for black. While the player looks at an earlier position, the
// move played from it is marked with "> " in front of its text; the mark is always removed before
// its cell changes, so no text is ever lost under a mark. The columns are sized from the font in
// use, so every move number up to 999 and every move text, marked or not, shows whole.
#pragma once

#include <QString>
#include <QTreeWidget>
#include <cstdint>

class CHESS_GUI_HISTORY : public QTreeWidget {
  public:
    static constexpr int32_t column_count = 3;

    explicit CHESS_GUI_HISTORY(QWidget* parent);

    void clear_history();
    void add_history_move(const QString& text);
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

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    static constexpr int preferred_pixel_size = 12;
    static constexpr int smallest_pixel_size = 8;

    void fit_columns();
    int cell_width(const QFontMetrics& metrics, const QString& text) const;
    QTreeWidgetItem* row_of(int32_t ply) const;
    static int32_t column_of(int32_t ply) { return ply % 2 + 1; }

    QString marked_txt;
    int32_t zoom_ = 100;
    bool has_mark_ = false;
    int32_t current_ply_ = 0;
    int32_t marked_ply_ = 0;
};
