// "Save Chess Game": where to write the game. Made once, on first use, and kept.
#pragma once

#include "windows/chess_file_dialog.h"

class CHESS_SAVE_DIALOG : public CHESS_FILE_DIALOG {
  public:
    explicit CHESS_SAVE_DIALOG(QWidget* owner)
        : CHESS_FILE_DIALOG(owner, QStringLiteral("Save Chess Game"), QFileDialog::AcceptSave) {
        setObjectName(QStringLiteral("save_dialog"));
    }
};
