// The application object, the first object the program makes: it sets up the platform's
// application, makes the settings store and the main window, shows the window and, on the first
// turn of the event loop, lets it make the manager and run the start sequence (which may resume a
// game and start the computer's search, with the window already on screen). The run ends when
// the main window closes, with exit code 0 also after a failed start.
#pragma once

#include "windows/chess_desktop_settings_store.h"

#include <QApplication>
#include <memory>

class CHESS_MAIN_WINDOW;

class VELMORA_CHESS : public QApplication {
  public:
    VELMORA_CHESS(int& argc, char** argv);
    ~VELMORA_CHESS() override;

    int run();
    CHESS_MAIN_WINDOW& main_window() { return *window; }

  private:
    CHESS_DESKTOP_SETTINGS_STORE settings;
    std::unique_ptr<CHESS_MAIN_WINDOW> window;
};
