// The file dialog for game files: "Chess Game (*.txt)" and "All files", default suffix "txt"
// (other kinds of file, such as PGN, name their own filter and suffix). It
// opens in the folder of the game's file with that file's name filled in, or, for a game without
// a file, in the user's documents folder: never wherever the program happened to be started, and
// never with a name typed the last time (a file that failed to load is not proposed again).
// Saving over an existing file asks first, with the dialog's own question, except when it is the
// game's own file. Qt's dialog is used on every platform so that these rules hold everywhere; no
// completion list stays on screen after it closes. The answer is the full path, or nothing when
// the player cancels.
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

class CHESS_FILE_DIALOG : public QFileDialog {
  public:
    CHESS_FILE_DIALOG(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                      const QString& filter = QStringLiteral("Chess Game (*.txt)"),
                      const QString& suffix = QStringLiteral("txt"));

    // name: the game's file, or empty when the game has none.
    std::optional<std::string> ask(const std::string& name);

    // Where a game without a file is saved or looked for.
    static QString documents_folder();

    void accept() override;
    void done(int result) override;

  private:
    bool is_own_file(const QString& path) const;
    void clear_name_field();

    QString filter_;
    QString own_file_;
};
