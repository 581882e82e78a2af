#include "presentation/chess_gui_chat_menu.h"

#include <QKeySequence>
#include <array>

namespace {
using M = CHESS_GUI_CHAT_MENU;

// The items in menu order; 0 stands for a separator.
constexpr std::array<int32_t, 24> menu_layout = {1,
                                                 3,
                                                 2,
                                                 M::export_pgn,
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
                                                 M::flip_board,
                                                 M::webcam,
                                                 M::standard_notation,
                                                 M::vary_openings,
                                                 M::speak_moves,
                                                 0,
                                                 M::zoom_in,
                                                 M::zoom_out,
                                                 M::zoom_reset};

struct ITEM {
    int32_t id;
    const char* text;
    // The keys, the first one shown in the menu; a single letter also answers with Shift, so
    // that it works on the board too, where a lower-case letter starts a typed move.
    QKeySequence keys;
};

// Built on first use: standard keys are looked up in the platform's theme, which exists only once
// the application does.
const std::array<ITEM, 9>& window_items() {
    static const std::array<ITEM, 9> items = {{
        {M::zoom_in, "Zoom in", QKeySequence::ZoomIn},
        {M::zoom_out, "Zoom out", QKeySequence::ZoomOut},
        {M::zoom_reset, "Actual size", QKeySequence(Qt::CTRL | Qt::Key_0)},
        {M::flip_board, "Flip board", QKeySequence(Qt::Key_F)},
        {M::webcam, "Webcam on/off", QKeySequence(Qt::Key_W)},
        {M::standard_notation, "Standard notation", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {M::export_pgn, "Export PGN\u2026", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {M::vary_openings, "Vary my openings", QKeySequence()},
        {M::speak_moves, "Speak moves", QKeySequence(Qt::CTRL | Qt::Key_M)},
    }};
    return items;
}

QKeySequence game_keys(int32_t id) {
    using S = CHESS_SHORTCUT_CONSTANTS;
    switch (id) {
    case S::shortcut_new_game:
        return QKeySequence(Qt::CTRL | Qt::Key_N);
    case S::shortcut_save_game:
        return QKeySequence(Qt::CTRL | Qt::Key_S);
    case S::shortcut_load_game:
        return QKeySequence(Qt::CTRL | Qt::Key_O);
    case S::shortcut_resign:
        return QKeySequence(Qt::CTRL | Qt::Key_R);
    case S::shortcut_hint:
        return QKeySequence(Qt::Key_H);
    case S::shortcut_undo:
        return QKeySequence(Qt::CTRL | Qt::Key_Z);
    case S::shortcut_nickname:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    case S::shortcut_statistics:
        return QKeySequence(Qt::CTRL | Qt::Key_I);
    case S::shortcut_about:
        return QKeySequence(Qt::SHIFT | Qt::Key_F1);
    default:
        return QKeySequence(Qt::Key_F1);
    }
}

ITEM item_of(int32_t id) {
    for (const ITEM& item : window_items()) {
        if (item.id == id) {
            return item;
        }
    }
    return {id, CHESS_SHORTCUT_CONSTANTS::shortcut_text(id), game_keys(id)};
}

QList<QKeySequence> all_keys(const QKeySequence& keys) {
    QList<QKeySequence> list{keys};
    const QKeyCombination only = keys[0];
    const bool single_letter = keys.count() == 1 && only.keyboardModifiers() == Qt::NoModifier &&
                               only.key() >= Qt::Key_A && only.key() <= Qt::Key_Z;
    if (single_letter) {
        list.append(QKeySequence(Qt::SHIFT | only.key()));
    }
    if (keys == QKeySequence(QKeySequence::ZoomIn)) {
        list.append(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    }
    return list;
}
} // namespace

CHESS_GUI_CHAT_MENU::CHESS_GUI_CHAT_MENU(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("chat_menu"));
    setAccessibleName(QStringLiteral("Chess command menu"));
    for (const int32_t id : menu_layout) {
        if (id == 0) {
            addSeparator();
            continue;
        }
        const ITEM item = item_of(id);
        QAction* action = addAction(QString::fromUtf8(item.text));
        action->setData(id);
        action->setShortcuts(all_keys(item.keys));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    command_action(standard_notation)->setCheckable(true);
    command_action(vary_openings)->setCheckable(true);
    command_action(speak_moves)->setCheckable(true);
    connect(this, &QMenu::triggered, this, &CHESS_GUI_CHAT_MENU::report);
}

void CHESS_GUI_CHAT_MENU::add_shortcuts_to(QWidget* window) const {
    for (QAction* action : actions()) {
        if (action->data().isValid()) {
            window->addAction(action);
        }
    }
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

void CHESS_GUI_CHAT_MENU::remove_command(int32_t id) {
    if (QAction* action = command_action(id)) {
        removeAction(action);
        delete action;
    }
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
