// The file dialog for game files: "Chess Game (*.txt)" and "All files", default suffix "txt", the
// proposed name preselected. It asks nothing more (no overwrite prompt, no existence check): a
// name that cannot be written or read is reported by the game in the chat. The answer is the full
// path, or nothing when the player cancels.
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

class CHESS_FILE_DIALOG : public QFileDialog {
  public:
    CHESS_FILE_DIALOG(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode);

    std::optional<std::string> ask(const std::string& name);
};
