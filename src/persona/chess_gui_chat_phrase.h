// One run of chat text in one style: normal, bold, or a link that carries its target. Exactly one
// of the three kinds is set, by the creation function used.
#pragma once

#include "persona/chess_link_data.h"

#include <optional>
#include <string>

class CHESS_GUI_CHAT_PHRASE {
  public:
    std::string text;
    std::optional<CHESS_LINK_DATA> link_data;
    bool is_normal = false;
    bool is_bold = false;
    bool is_link = false;

    static CHESS_GUI_CHAT_PHRASE normal(std::string text);
    static CHESS_GUI_CHAT_PHRASE bold(std::string text);
    static CHESS_GUI_CHAT_PHRASE link(std::string text, CHESS_LINK_DATA link_data);

    bool operator==(const CHESS_GUI_CHAT_PHRASE& other) const = default;

  private:
    CHESS_GUI_CHAT_PHRASE() = default;
};
