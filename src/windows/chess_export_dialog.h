// "Export PGN": where to write the game as PGN. Made once, on first use, and kept.
#pragma once

#include "windows/chess_file_dialog.h"

class CHESS_EXPORT_DIALOG : public CHESS_FILE_DIALOG {
  public:
    explicit CHESS_EXPORT_DIALOG(QWidget* owner)
        : CHESS_FILE_DIALOG(owner, QStringLiteral("Export PGN"), QFileDialog::AcceptSave,
                            QStringLiteral("PGN game (*.pgn)"), QStringLiteral("pgn")) {
        setObjectName(QStringLiteral("export_dialog"));
    }
};
