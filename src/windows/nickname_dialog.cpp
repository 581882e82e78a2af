#include "windows/nickname_dialog.h"

#include "desktop/chess_gui_text.h"
#include "windows/chess_gui_dialog_units.h"
#include "windows/chess_gui_modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using DU = CHESS_GUI_DIALOG_UNITS;

NICKNAME_DIALOG::NICKNAME_DIALOG(QWidget* owner)
    : QDialog(owner), nickname_edit(new QLineEdit(this)),
      done_button(new QPushButton(QStringLiteral("Done"), this)) {
    setObjectName(QStringLiteral("nickname_dialog"));
    setWindowTitle(QStringLiteral("Change Nickname"));
    setFont(DU::font());
    setFixedSize(DU::size(197, 47));
    done_button->setObjectName(QStringLiteral("done_button"));
    done_button->setGeometry(DU::rect(152, 15, 38, 14));
    done_button->setDefault(true);
    auto* label = new QLabel(QStringLiteral("New Nickname:"), this);
    label->setGeometry(DU::rect(7, 18, 52, 8));
    nickname_edit->setObjectName(QStringLiteral("nickname_edit"));
    nickname_edit->setGeometry(DU::rect(63, 16, 70, 12));
    connect(done_button, &QPushButton::clicked, this, &QDialog::accept);
}

std::string NICKNAME_DIALOG::ask(const std::string& nick) {
    nickname_edit->setText(CHESS_GUI_TEXT::to_qstring(nick));
    nickname_edit->setFocus();
    nickname_edit->selectAll();
    if (CHESS_GUI_MODAL::run(*this) != QDialog::Accepted) {
        return nick;
    }
    return clean(CHESS_GUI_TEXT::to_std(nickname_edit->text()));
}

std::string NICKNAME_DIALOG::clean(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (letter || digit || c == '_') {
            kept += c;
        }
    }
    if (kept.empty()) {
        return "player";
    }
    return kept.substr(0, max_length);
}
