// A plain parent window for the controls' tests: it records what the controls it watches report.
#pragma once

#include "persona/chess_link_data.h"
#include "presentation/chess_gui_chat_output.h"
#include "windows/chess_gui_history_scroll.h"
#include "windows/chess_gui_image_button.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class RECORDING_WINDOW : public QWidget {
  public:
    struct BUTTON_SWITCH {
        CHESS_GUI_IMAGE_BUTTON* button;
        bool is_on;
    };

    std::vector<int32_t> history_selects;
    std::vector<BUTTON_SWITCH> button_switches;
    std::vector<CHESS_LINK_DATA> links;

    void watch(CHESS_GUI_HISTORY_SCROLL& scroll) {
        QObject::connect(&scroll, &CHESS_GUI_HISTORY_SCROLL::history_selected, this,
                         [this](int32_t ply) { history_selects.push_back(ply); });
    }
    void watch(CHESS_GUI_IMAGE_BUTTON& button) {
        QObject::connect(&button, &CHESS_GUI_IMAGE_BUTTON::switched, this,
                         [this](CHESS_GUI_IMAGE_BUTTON* pressed, bool is_on) {
                             button_switches.push_back({pressed, is_on});
                         });
    }
    void watch(CHESS_GUI_CHAT_OUTPUT& chat) {
        QObject::connect(&chat, &CHESS_GUI_CHAT_OUTPUT::link_clicked, this,
                         [this](const CHESS_LINK_DATA& link) { links.push_back(link); });
    }
};
