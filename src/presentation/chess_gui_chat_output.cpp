#include "presentation/chess_gui_chat_output.h"

#include "desktop/chess_gui_focus_frame.h"
#include "desktop/chess_gui_text.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {
const QColor system_colour(0, 0, 0);
const QColor character_colour(255, 0, 128);
const QColor link_colour(0, 0, 255);
} // namespace

CHESS_GUI_CHAT_OUTPUT::CHESS_GUI_CHAT_OUTPUT(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::NoFocus);
    QFont chat_font(QStringLiteral("DejaVu Sans"));
    chat_font.setPixelSize(12);
    setFont(chat_font);
    document()->setDocumentMargin(3);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::ArrowCursor);
    new_lines_mark_ = new QPushButton(QStringLiteral("new lines \u2193"), this);
    new_lines_mark_->setObjectName(QStringLiteral("new_lines_mark"));
    new_lines_mark_->setAccessibleName(QStringLiteral("new lines"));
    new_lines_mark_->setAccessibleDescription(
        QStringLiteral("Scrolls the chat to its newest line"));
    new_lines_mark_->setFocusPolicy(Qt::NoFocus);
    new_lines_mark_->setCursor(Qt::PointingHandCursor);
    new_lines_mark_->hide();
    connect(new_lines_mark_, &QPushButton::clicked, this, &CHESS_GUI_CHAT_OUTPUT::scroll_to_end);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CHESS_GUI_CHAT_OUTPUT::hide_mark_at_bottom);
}

void CHESS_GUI_CHAT_OUTPUT::add_sentence(const CHESS_GUI_CHAT_SENTENCE& sentence) {
    const bool was_at_bottom = is_at_bottom();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    for (const CHESS_GUI_CHAT_PHRASE& phrase : sentence.phrases) {
        const int32_t start = cursor.position();
        cursor.insertText(CHESS_GUI_TEXT::to_qstring(phrase.text),
                          format_of(phrase, sentence.is_system));
        if (phrase.is_link && phrase.link_data) {
            linkdb.add(*phrase.link_data, start, cursor.position());
        }
    }
    follow_or_mark(was_at_bottom);
}

void CHESS_GUI_CHAT_OUTPUT::new_line() {
    const bool was_at_bottom = is_at_bottom();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    follow_or_mark(was_at_bottom);
}

bool CHESS_GUI_CHAT_OUTPUT::is_at_bottom() const {
    return verticalScrollBar()->value() >= verticalScrollBar()->maximum();
}

void CHESS_GUI_CHAT_OUTPUT::follow_or_mark(bool was_at_bottom) {
    if (was_at_bottom && !pressed_) {
        scroll_to_end();
        return;
    }
    if (!is_at_bottom()) {
        place_new_lines_mark();
        new_lines_mark_->show();
        new_lines_mark_->raise();
    }
}

// Bottom right, just inside the viewport, clear of the scroll bar.
void CHESS_GUI_CHAT_OUTPUT::place_new_lines_mark() {
    new_lines_mark_->adjustSize();
    const QRect area = viewport()->geometry();
    new_lines_mark_->move(area.right() - new_lines_mark_->width() - 2,
                          area.bottom() - new_lines_mark_->height() - 2);
}

void CHESS_GUI_CHAT_OUTPUT::hide_mark_at_bottom() {
    if (is_at_bottom()) {
        new_lines_mark_->hide();
    }
}

void CHESS_GUI_CHAT_OUTPUT::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    place_new_lines_mark();
}

QTextCharFormat CHESS_GUI_CHAT_OUTPUT::format_of(const CHESS_GUI_CHAT_PHRASE& phrase,
                                                 bool is_system) const {
    QTextCharFormat format;
    if (phrase.is_link) {
        format.setForeground(link_colour);
        format.setFontUnderline(true);
        format.setFontWeight(QFont::Normal);
        return format;
    }
    format.setForeground(is_system ? system_colour : character_colour);
    format.setFontWeight(phrase.is_bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(false);
    return format;
}

void CHESS_GUI_CHAT_OUTPUT::scroll_to_end() {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    ensureCursorVisible();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    new_lines_mark_->hide();
}

// The character whose box holds the point; the layout's hit test answers the nearest cursor
// position, so the boxes of the characters on both sides of it are checked.
std::optional<int32_t> CHESS_GUI_CHAT_OUTPUT::character_at(QPoint viewport_point) const {
    if (!viewport()->rect().contains(viewport_point)) {
        return std::nullopt;
    }
    const QPointF document_point =
        viewport_point + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int32_t hit = document()->documentLayout()->hitTest(document_point, Qt::ExactHit);
    if (hit < 0) {
        return std::nullopt;
    }
    for (const int32_t candidate : {hit, hit - 1}) {
        if (candidate < 0 || candidate + 1 >= document()->characterCount()) {
            continue;
        }
        QTextCursor at(document());
        at.setPosition(candidate);
        if (at.atBlockEnd()) {
            continue; // the line break, which has no box
        }
        const QRect left = cursorRect(at);
        at.setPosition(candidate + 1);
        const QRect right = cursorRect(at);
        if (left.top() == right.top() && viewport_point.y() >= left.top() &&
            viewport_point.y() <= left.bottom() && viewport_point.x() >= left.left() &&
            viewport_point.x() < right.left()) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<CHESS_LINK_DATA> CHESS_GUI_CHAT_OUTPUT::link_at(QPoint viewport_point) const {
    const std::optional<int32_t> position = character_at(viewport_point);
    if (!position) {
        return std::nullopt;
    }
    const auto item = linkdb.find(*position);
    if (!item) {
        return std::nullopt;
    }
    return item->link_data;
}

QPoint CHESS_GUI_CHAT_OUTPUT::character_point(int32_t position) const {
    QTextCursor at(document());
    at.setPosition(position);
    const QRect left = cursorRect(at);
    at.setPosition(position + 1);
    const QRect right = cursorRect(at);
    return QPoint((left.left() + right.left()) / 2, left.center().y());
}

void CHESS_GUI_CHAT_OUTPUT::mousePressEvent(QMouseEvent* event) {
    if (!pressed_) {
        at_bottom_on_press_ = is_at_bottom();
    }
    pressed_ = true;
    pressed_link.reset();
    if (event->button() == Qt::LeftButton) {
        if (const std::optional<int32_t> position = character_at(event->position().toPoint())) {
            pressed_link = linkdb.find(*position);
        }
    }
    QTextEdit::mousePressEvent(event);
}

// Lines that came while the button was held follow once it is released, if the player was at
// the bottom when pressing; the link is reported after that, since following it adds lines.
void CHESS_GUI_CHAT_OUTPUT::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    if (event->buttons() == Qt::NoButton) {
        pressed_ = false;
        if (at_bottom_on_press_ && !is_at_bottom()) {
            scroll_to_end();
        }
    }
    if (event->button() != Qt::LeftButton || !pressed_link) {
        return;
    }
    const CHESS_GUI_CHAT_LINKDB_ITEM pressed = *pressed_link;
    pressed_link.reset();
    const std::optional<int32_t> position = character_at(event->position().toPoint());
    const auto released = position ? linkdb.find(*position) : std::nullopt;
    if (released && released->start_position == pressed.start_position) {
        emit link_clicked(pressed.link_data);
    }
}

void CHESS_GUI_CHAT_OUTPUT::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    const Qt::CursorShape wanted =
        link_at(event->position().toPoint()).has_value() ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (viewport()->cursor().shape() != wanted) {
        viewport()->setCursor(wanted);
    }
}

void CHESS_GUI_CHAT_OUTPUT::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);
    CHESS_GUI_FOCUS_FRAME::draw(*this, *viewport());
}

void CHESS_GUI_CHAT_OUTPUT::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    viewport()->update();
}

void CHESS_GUI_CHAT_OUTPUT::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    viewport()->update();
}
