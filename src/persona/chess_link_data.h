// The target of a chat link: an action identifier the application handles (such as HELP3 or
// RESIGN_GAME) together with the link's address text, or, for a plain address link, the address
// alone with no identifier.
#pragma once

#include "persona/chess_gui_chat_link.h"

#include <optional>
#include <string>

class CHESS_LINK_DATA : public CHESS_GUI_CHAT_LINK {
  public:
    std::optional<std::string> identifier;
    std::string url;

    CHESS_LINK_DATA() = default;
    CHESS_LINK_DATA(std::optional<std::string> identifier, std::string url)
        : identifier(std::move(identifier)), url(std::move(url)) {}

    bool operator==(const CHESS_LINK_DATA& other) const {
        return identifier == other.identifier && url == other.url;
    }
};
