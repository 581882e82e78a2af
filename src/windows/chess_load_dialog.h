// "Load Chess Game": which game file to read. Made once, on first use, and kept.
#pragma once

#include "windows/chess_file_dialog.h"

class CHESS_LOAD_DIALOG : public CHESS_FILE_DIALOG {
  public:
    explicit CHESS_LOAD_DIALOG(QWidget* owner)
        : CHESS_FILE_DIALOG(owner, QStringLiteral("Load Chess Game"), QFileDialog::AcceptOpen) {
        setObjectName(QStringLiteral("load_dialog"));
    }
};
