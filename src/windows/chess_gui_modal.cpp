#include "windows/chess_gui_modal.h"

CHESS_GUI_MODAL::HANDLER& CHESS_GUI_MODAL::handler() {
    static HANDLER installed;
    return installed;
}

void CHESS_GUI_MODAL::set_handler(HANDLER new_handler) {
    handler() = std::move(new_handler);
}

bool CHESS_GUI_MODAL::has_handler() {
    return static_cast<bool>(handler());
}

int CHESS_GUI_MODAL::run(QDialog& dialog) {
    if (!handler()) {
        return dialog.exec();
    }
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const HANDLER answer = handler(); // a copy: the handler may install the next one
    answer(dialog);
    if (dialog.isVisible()) {
        dialog.setResult(QDialog::Rejected);
        dialog.hide();
    }
    return dialog.result();
}
