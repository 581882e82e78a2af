// A window for the controls' tests: it records every callback a control makes.
#pragma once

#include "windows/chess_gui_window.h"

#include <vector>

class RECORDING_WINDOW : public CHESS_GUI_WINDOW {
  public:
    struct BUTTON_SWITCH {
        CHESS_GUI_IMAGE_BUTTON* button;
        bool is_on;
    };

    std::vector<int32_t> history_selects;
    std::vector<BUTTON_SWITCH> button_switches;
    std::vector<CHESS_LINK_DATA> links;

    void on_history_select(int32_t ply) override { history_selects.push_back(ply); }
    void on_button_switch(CHESS_GUI_IMAGE_BUTTON* button, bool is_on) override {
        button_switches.push_back({button, is_on});
    }
    void on_link_click(const CHESS_LINK_DATA& link) override { links.push_back(link); }
};
