#include "windows/chess_gui_announcer.h"

CHESS_GUI_ANNOUNCER::CHESS_GUI_ANNOUNCER(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("announcements"));
    setAccessibleName(QStringLiteral("Announcements"));
    setAccessibleDescription(QStringLiteral("The latest move or notice of the game"));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setFrame(false);
    // Present for assistive technology, invisible on the screen.
    setGeometry(0, 0, 1, 1);
    setStyleSheet(QStringLiteral("background: transparent; color: transparent; border: none;"));
}

// Replacing the line's text is what assistive technology hears: the line sends the new text
// with its own accessibility event.
void CHESS_GUI_ANNOUNCER::announce(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    setText(text);
    emit announced(text);
}
