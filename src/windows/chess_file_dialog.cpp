#include "windows/chess_file_dialog.h"

#include "desktop/chess_gui_text.h"
#include "windows/chess_gui_modal.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

CHESS_FILE_DIALOG::CHESS_FILE_DIALOG(QWidget* owner, const QString& title,
                                     QFileDialog::AcceptMode mode, const QString& filter,
                                     const QString& suffix)
    : QFileDialog(owner, title), filter_(filter) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(mode);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({filter_, QStringLiteral("All files (*.*)")});
    setDefaultSuffix(suffix);
}

QString CHESS_FILE_DIALOG::documents_folder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

std::optional<std::string> CHESS_FILE_DIALOG::ask(const std::string& name) {
    selectNameFilter(filter_);
    const QFileInfo proposed(CHESS_GUI_TEXT::to_qstring(name));
    own_file_ = name.empty() ? QString() : proposed.absoluteFilePath();
    setDirectory(!name.empty() && proposed.dir().exists() ? proposed.absolutePath()
                                                          : documents_folder());
    clear_name_field();
    if (!name.empty()) {
        selectFile(proposed.fileName());
    }
    if (CHESS_GUI_MODAL::run(*this) != QDialog::Accepted || selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return CHESS_GUI_TEXT::to_std(selectedFiles().first());
}

// Writing the game back to its own file is what the player expects of Save; any other existing
// file is only replaced after the dialog's question.
void CHESS_FILE_DIALOG::accept() {
    const QStringList chosen = selectedFiles();
    setOption(QFileDialog::DontConfirmOverwrite, chosen.size() == 1 && is_own_file(chosen.first()));
    QFileDialog::accept();
}

void CHESS_FILE_DIALOG::done(int result) {
    for (QCompleter* completer : findChildren<QCompleter*>()) {
        if (completer->popup() != nullptr) {
            completer->popup()->hide();
        }
    }
    QFileDialog::done(result);
}

bool CHESS_FILE_DIALOG::is_own_file(const QString& path) const {
    if (own_file_.isEmpty()) {
        return false;
    }
    const QString own = QFileInfo(own_file_).canonicalFilePath();
    return !own.isEmpty() && QFileInfo(path).canonicalFilePath() == own;
}

// selectFile ignores an empty name, so the field is emptied directly.
void CHESS_FILE_DIALOG::clear_name_field() {
    if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        field->clear();
    }
}
