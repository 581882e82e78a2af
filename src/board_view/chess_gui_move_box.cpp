#include "board_view/chess_gui_move_box.h"

#include "rules/chess_move_parser.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

CHESS_GUI_MOVE_BOX::CHESS_GUI_MOVE_BOX(QWidget* parent)
    : QLineEdit(parent), reason_(new QLabel(parent)), texts_(new QStringListModel(this)) {
    setObjectName(QStringLiteral("move_box"));
    setAccessibleName(QStringLiteral("Move box"));
    setAccessibleDescription(QStringLiteral(
        "Type a move in standard notation (Nf3, exd5, O-O, e8=Q) or as two squares (e2e4), "
        "then press Enter. Escape goes back to the board."));
    setPlaceholderText(QStringLiteral("type a move"));
    setMaxLength(16);
    auto* completer = new QCompleter(texts_, this);
    // "b4" is a pawn and "B4" no move at all: the case of a letter matters.
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(completer);
    reason_->setObjectName(QStringLiteral("move_box_reason"));
    reason_->setAccessibleName(QStringLiteral("Move box message"));
    reason_->setAccessibleDescription(QStringLiteral("Why the move typed was not played"));
    QPalette warning = reason_->palette();
    warning.setColor(QPalette::WindowText, QColor(140, 0, 0));
    reason_->setPalette(warning);
    connect(this, &QLineEdit::returnPressed, this, &CHESS_GUI_MOVE_BOX::enter);
    connect(this, &QLineEdit::textEdited, this, [this] { show_reason(QString()); });
}

void CHESS_GUI_MOVE_BOX::set_position(const CHESS_GUI_BOARD_INFO& info) {
    position_ = info.playable;
    QStringList texts;
    if (position_) {
        for (const std::string& text : CHESS_MOVE_PARSER::move_texts(*position_)) {
            texts << QString::fromStdString(text);
        }
        texts.sort();
    }
    texts_->setStringList(texts);
}

void CHESS_GUI_MOVE_BOX::set_accepting(bool accepting) {
    accepting_ = accepting;
}

void CHESS_GUI_MOVE_BOX::open_with(const QString& text) {
    setFocus(Qt::ShortcutFocusReason);
    setText(text);
    show_reason(QString());
    completer()->setCompletionPrefix(text);
    completer()->complete();
}

void CHESS_GUI_MOVE_BOX::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        completer()->popup()->hide();
        clear();
        show_reason(QString());
        emit left();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CHESS_GUI_MOVE_BOX::enter() {
    if (!accepting_ || !position_) {
        show_reason(QStringLiteral("wait for your turn"));
        return;
    }
    CHESS_MOVE_PARSER parser;
    parser.parse(*position_, text().toStdString());
    if (parser.failed()) {
        show_reason(QString::fromStdString(parser.error_message()));
        return;
    }
    const CHESS_MOVE& m = parser.move();
    clear();
    show_reason(QString());
    emit move_entered(m.src, m.dst, m.is_promotion() ? m.promoted_piece() : 0);
}

void CHESS_GUI_MOVE_BOX::show_reason(const QString& reason) {
    reason_->setText(reason);
}
