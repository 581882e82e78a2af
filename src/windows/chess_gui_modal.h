// Every modal dialog and message box of the game runs through here, so that tests can answer
// them. Without a handler a dialog runs modally as usual. With a handler installed the dialog is
// shown without a nested loop and the handler works its real widgets (types a nickname, moves the
// slider, presses OK or Cancel); the dialog's result is then what the handler left it with, and a
// dialog the handler did not close counts as cancelled.
#pragma once

#include <QDialog>
#include <functional>

class CHESS_GUI_MODAL {
  public:
    using HANDLER = std::function<void(QDialog& dialog)>;

    static int run(QDialog& dialog);
    // An empty handler restores the normal modal run.
    static void set_handler(HANDLER handler);
    static bool has_handler();

  private:
    static HANDLER& handler();
};
