#include "windows/velmora_chess.h"

#include "desktop/chess_gui_zoom.h"
#include "windows/chess_main_window.h"

#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <cstdio>

VELMORA_CHESS::VELMORA_CHESS(int& argc, char** argv) : QApplication(argc, argv) {
    identify();
    setQuitOnLastWindowClosed(true);
    window = std::make_unique<CHESS_MAIN_WINDOW>(settings);
    connect(&signal_watcher, &CHESS_SIGNAL_WATCHER::end_requested, this,
            &VELMORA_CHESS::end_session);
    connect(this, &QGuiApplication::commitDataRequest, this, [this] { end_session(); });
    connect(this, &QCoreApplication::aboutToQuit, this, &VELMORA_CHESS::close_window);
}

// No display name: the window system would append it to every caption ("New Game — ...").
void VELMORA_CHESS::identify() {
    setOrganizationName(QString::fromLatin1(CHESS_DESKTOP_SETTINGS_STORE::organization));
    setApplicationName(QString::fromLatin1(CHESS_DESKTOP_SETTINGS_STORE::application));
    setDesktopFileName(QStringLiteral("velmora-chess"));
}

// The window goes before the application it lives in.
VELMORA_CHESS::~VELMORA_CHESS() {
    window.reset();
}

void VELMORA_CHESS::end_session() {
    close_window();
    quit();
}

// A dialog's own event loop would keep the program running after the window has gone, so the
// dialogs are cancelled first. Closing an already closed window writes nothing again.
void VELMORA_CHESS::close_window() {
    for (int open = 0; open < 16; ++open) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            break;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
    window->close();
}

// "--zoom PERCENT" overrides the recorded zoom for this run.
std::optional<int32_t> VELMORA_CHESS::wanted_zoom(const QStringList& arguments) const {
    const qsizetype at = arguments.indexOf(QStringLiteral("--zoom"));
    if (at < 0) {
        return settings.zoom().value_or(CHESS_GUI_ZOOM::smallest);
    }
    bool number = false;
    const int percent = at + 1 < arguments.size() ? arguments[at + 1].toInt(&number) : 0;
    return number ? std::optional<int32_t>(percent) : std::nullopt;
}

int VELMORA_CHESS::run() {
    const std::optional<int32_t> wanted = wanted_zoom(QCoreApplication::arguments());
    if (!wanted) {
        std::fprintf(stderr, "velmora-chess: --zoom needs a percentage from %d to %d\n",
                     int(CHESS_GUI_ZOOM::smallest), int(CHESS_GUI_ZOOM::largest));
        return 2;
    }
    const QScreen* screen = window->screen();
    window->fit_zoom(*wanted, screen ? screen->availableGeometry().size() : window->size());
    window->show();
    QTimer::singleShot(0, window.get(), [this] { window->start(); });
    exec();
    if (!window->failed_to_initialize()) {
        settings.set_zoom(window->zoom());
    }
    return 0;
}
