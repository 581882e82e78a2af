#include "presentation/chess_gui_chat_menu.h"

#include <array>

namespace {
// The items in menu order; 0 stands for a separator.
constexpr std::array<int32_t, 17> menu_layout = {1,
                                                 3,
                                                 2,
                                                 0,
                                                 5,
                                                 6,
                                                 4,
                                                 0,
                                                 7,
                                                 8,
                                                 0,
                                                 9,
                                                 10,
                                                 0,
                                                 CHESS_GUI_CHAT_MENU::zoom_in,
                                                 CHESS_GUI_CHAT_MENU::zoom_out,
                                                 CHESS_GUI_CHAT_MENU::zoom_reset};

QString item_text(int32_t id) {
    switch (id) {
    case CHESS_GUI_CHAT_MENU::zoom_in:
        return QStringLiteral("Zoom in\tCtrl++");
    case CHESS_GUI_CHAT_MENU::zoom_out:
        return QStringLiteral("Zoom out\tCtrl+-");
    case CHESS_GUI_CHAT_MENU::zoom_reset:
        return QStringLiteral("Actual size\tCtrl+0");
    default:
        return QString::fromLatin1(CHESS_SHORTCUT_CONSTANTS::shortcut_text(id));
    }
}
} // namespace

CHESS_GUI_CHAT_MENU::CHESS_GUI_CHAT_MENU(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("chat_menu"));
    for (const int32_t id : menu_layout) {
        if (id == 0) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(item_text(id));
        action->setData(id);
    }
    connect(this, &QMenu::triggered, this, &CHESS_GUI_CHAT_MENU::report);
}

void CHESS_GUI_CHAT_MENU::report(const QAction* action) {
    if (action->data().isValid()) {
        emit command_chosen(action->data().toInt());
    }
}

QAction* CHESS_GUI_CHAT_MENU::command_action(int32_t id) const {
    for (QAction* action : actions()) {
        if (action->data().isValid() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

void CHESS_GUI_CHAT_MENU::enable_command(int32_t id) {
    if (QAction* action = command_action(id)) {
        action->setEnabled(true);
    }
}

void CHESS_GUI_CHAT_MENU::disable_command(int32_t id) {
    if (QAction* action = command_action(id)) {
        action->setEnabled(false);
    }
}

bool CHESS_GUI_CHAT_MENU::is_command_enabled(int32_t id) const {
    const QAction* action = command_action(id);
    return action && action->isEnabled();
}

void CHESS_GUI_CHAT_MENU::popup_right_aligned(QPoint right_top) {
    popup(QPoint(right_top.x() - sizeHint().width(), right_top.y()));
}
