// "Change Nickname": asks the player for a new nickname. The answer is cleaned so that it is
// always a short plain name that reads well in the chat and in saved games: only ASCII letters,
// digits and '_' are kept, at most eight of them, and "player" when nothing is left. Cancelling
// (Escape or the close box) answers the nickname the dialog was opened with.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

class NICKNAME_DIALOG : public QDialog {
  public:
    static constexpr std::size_t max_length = 8;

    explicit NICKNAME_DIALOG(QWidget* owner);

    std::string ask(const std::string& nick);
    static std::string clean(const std::string& text);

    QLineEdit* nickname_edit;
    QPushButton* done_button;
};
