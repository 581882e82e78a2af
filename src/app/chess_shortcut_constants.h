// The commands of the chat menu and of the window, by identifier. The identifier is both the
// menu item's and the command's.
#pragma once

#include <cstdint>

struct CHESS_SHORTCUT_CONSTANTS {
    static constexpr int32_t shortcut_new_game = 1;
    static constexpr int32_t shortcut_save_game = 2;
    static constexpr int32_t shortcut_load_game = 3;
    static constexpr int32_t shortcut_resign = 4;
    static constexpr int32_t shortcut_hint = 5;
    static constexpr int32_t shortcut_undo = 6;
    static constexpr int32_t shortcut_nickname = 7;
    static constexpr int32_t shortcut_statistics = 8;
    static constexpr int32_t shortcut_about = 9;
    static constexpr int32_t shortcut_help = 10;
    static constexpr int32_t first_shortcut = 1;
    static constexpr int32_t last_shortcut = 10;

    // The menu text of a command: "New game", "Save game", ...
    static const char* shortcut_text(int32_t id) {
        static constexpr const char* texts[] = {
            "",          "New game",        "Save game",       "Load game", "Resign", "Hint",
            "Undo move", "Change nickname", "Game statistics", "About",     "Help"};
        return id >= first_shortcut && id <= last_shortcut ? texts[id] : "";
    }
};
