// The chat pane: a read-only rich-text area where the character's lines (pink) and the program's
// notices (black) are appended, one sentence per line, with bold words and blue underlined links.
// The pane keeps its own table of link ranges; a left click that presses and releases on the same
// link reports that link through link_clicked, and the pointer turns into a hand over links.
// New lines scroll the pane only while the player is at its bottom and no mouse button is held on
// it: scrolled up to read, or pressing on a link, the text stays where it is and a small "new
// lines" mark at the bottom offers the way down, so a link never moves away under the pointer. A
// frame shows when the pane has the keyboard focus.
#pragma once

#include "persona/chess_gui_chat_sentence.h"
#include "presentation/chess_gui_chat_linkdb.h"

#include <QTextCharFormat>
#include <QTextEdit>

class QPushButton;
#include <cstdint>
#include <optional>

class CHESS_GUI_CHAT_OUTPUT : public QTextEdit {
    Q_OBJECT

  public:
    explicit CHESS_GUI_CHAT_OUTPUT(QWidget* parent);

    void add_sentence(const CHESS_GUI_CHAT_SENTENCE& sentence);
    void new_line();

    const CHESS_GUI_CHAT_LINKDB& links() const { return linkdb; }
    // Where on the viewport the character at position lies (its centre), for tests and tools.
    QPoint character_point(int32_t position) const;
    // Whether the newest line is in view.
    bool is_at_bottom() const;
    // The "new lines" mark, shown while lines have arrived below the view.
    const QPushButton* new_lines_mark() const { return new_lines_mark_; }
    // Scrolls to the newest line and hides the mark.
    void scroll_to_end();

  signals:
    // The user clicked a link: pressed and released the left button on the same link.
    void link_clicked(const CHESS_LINK_DATA& link);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The link under a point of the viewport, if the point lies on a link's character.
    std::optional<CHESS_LINK_DATA> link_at(QPoint viewport_point) const;
    std::optional<int32_t> character_at(QPoint viewport_point) const;
    QTextCharFormat format_of(const CHESS_GUI_CHAT_PHRASE& phrase, bool is_system) const;
    // Scrolls to the new line when the player follows the chat, else shows the mark.
    void follow_or_mark(bool was_at_bottom);
    void place_new_lines_mark();
    void hide_mark_at_bottom();

    CHESS_GUI_CHAT_LINKDB linkdb;
    QPushButton* new_lines_mark_;
    // A button is held on the pane; at_bottom_on_press: the newest line was in view at the press.
    bool pressed_ = false;
    bool at_bottom_on_press_ = false;
    std::optional<CHESS_GUI_CHAT_LINKDB_ITEM> pressed_link;
};
