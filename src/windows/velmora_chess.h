// The application object, the first object the program makes: it sets up the platform's
// application, makes the settings store and the main window, shows the window and, on the first
// turn of the event loop, lets it make the manager and run the start sequence (which may resume a
// game and start the computer's search, with the window already on screen). The run ends when
// the main window closes, with exit code 0 also after a failed start. A request to end from
// outside (SIGTERM, SIGINT, SIGHUP, the session manager's logout, a quit) ends the run exactly as
// closing the window does: open dialogs are cancelled and the game is written first.
// The window opens at the recorded zoom or the one given with "--zoom PERCENT", reduced to fit
// the screen's available area; the zoom it closes with is recorded for the next run.
#pragma once

#include "windows/chess_desktop_settings_store.h"
#include "windows/chess_signal_watcher.h"

#include <QApplication>
#include <cstdint>
#include <memory>
#include <optional>

class CHESS_MAIN_WINDOW;

class VELMORA_CHESS : public QApplication {
  public:
    VELMORA_CHESS(int& argc, char** argv);
    ~VELMORA_CHESS() override;

    int run();
    // The names the settings and the desktop entry go by; captions stay the program's own.
    static void identify();
    CHESS_MAIN_WINDOW& main_window() { return *window; }
    // Closes the main window as the player would (which writes the game) and ends the run.
    void end_session();

  private:
    // The zoom to open at: the percentage after "--zoom", else the recorded one; none when
    // "--zoom" has no number after it.
    std::optional<int32_t> wanted_zoom(const QStringList& arguments) const;
    // Cancels every open dialog and closes the main window.
    void close_window();

    CHESS_DESKTOP_SETTINGS_STORE settings;
    CHESS_SIGNAL_WATCHER signal_watcher;
    std::unique_ptr<CHESS_MAIN_WINDOW> window;
};
