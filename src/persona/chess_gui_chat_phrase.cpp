#include "persona/chess_gui_chat_phrase.h"

CHESS_GUI_CHAT_PHRASE CHESS_GUI_CHAT_PHRASE::normal(std::string text) {
    CHESS_GUI_CHAT_PHRASE phrase;
    phrase.text = std::move(text);
    phrase.is_normal = true;
    return phrase;
}

CHESS_GUI_CHAT_PHRASE CHESS_GUI_CHAT_PHRASE::bold(std::string text) {
    CHESS_GUI_CHAT_PHRASE phrase;
    phrase.text = std::move(text);
    phrase.is_bold = true;
    return phrase;
}

CHESS_GUI_CHAT_PHRASE CHESS_GUI_CHAT_PHRASE::link(std::string text, CHESS_LINK_DATA link_data) {
    CHESS_GUI_CHAT_PHRASE phrase;
    phrase.text = std::move(text);
    phrase.link_data = std::move(link_data);
    phrase.is_link = true;
    return phrase;
}
