#include "windows/velmora_chess.h"

#include "windows/chess_main_window.h"

#include <QTimer>

VELMORA_CHESS::VELMORA_CHESS(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QString::fromLatin1(CHESS_DESKTOP_SETTINGS_STORE::organization));
    setApplicationName(QString::fromLatin1(CHESS_DESKTOP_SETTINGS_STORE::application));
    setApplicationDisplayName(QStringLiteral("Velmora Chess"));
    setDesktopFileName(QStringLiteral("velmora-chess"));
    setQuitOnLastWindowClosed(true);
    window = std::make_unique<CHESS_MAIN_WINDOW>(settings);
}

// The window goes before the application it lives in.
VELMORA_CHESS::~VELMORA_CHESS() {
    window.reset();
}

int VELMORA_CHESS::run() {
    window->show();
    QTimer::singleShot(0, window.get(), [this] { window->start(); });
    exec();
    return 0;
}
