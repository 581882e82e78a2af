#include "windows/chess_file_dialog.h"

#include "desktop/chess_gui_text.h"
#include "windows/chess_gui_modal.h"

#include <QFileInfo>

CHESS_FILE_DIALOG::CHESS_FILE_DIALOG(QWidget* owner, const QString& title,
                                     QFileDialog::AcceptMode mode)
    : QFileDialog(owner, title) {
    setAcceptMode(mode);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({QStringLiteral("Chess Game (*.txt)"), QStringLiteral("All files (*.*)")});
    setDefaultSuffix(QStringLiteral("txt"));
    setOption(QFileDialog::DontConfirmOverwrite, true);
}

std::optional<std::string> CHESS_FILE_DIALOG::ask(const std::string& name) {
    selectNameFilter(QStringLiteral("Chess Game (*.txt)"));
    // The folder of the proposed path opens, with its file name filled in.
    const QFileInfo proposed(CHESS_GUI_TEXT::to_qstring(name));
    if (!name.empty() && proposed.dir().exists()) {
        setDirectory(proposed.absolutePath());
    }
    selectFile(name.empty() ? QString() : proposed.fileName());
    if (CHESS_GUI_MODAL::run(*this) != QDialog::Accepted || selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return CHESS_GUI_TEXT::to_std(selectedFiles().first());
}
