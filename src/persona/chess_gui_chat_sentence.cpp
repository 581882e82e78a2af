#include "persona/chess_gui_chat_sentence.h"

CHESS_GUI_CHAT_SENTENCE CHESS_GUI_CHAT_SENTENCE::system() {
    CHESS_GUI_CHAT_SENTENCE sentence;
    sentence.is_system = true;
    return sentence;
}

CHESS_GUI_CHAT_SENTENCE CHESS_GUI_CHAT_SENTENCE::velmora() {
    CHESS_GUI_CHAT_SENTENCE sentence;
    sentence.is_velmora = true;
    return sentence;
}

std::string CHESS_GUI_CHAT_SENTENCE::text() const {
    std::string result;
    for (const CHESS_GUI_CHAT_PHRASE& phrase : phrases) {
        result += phrase.text;
    }
    return result;
}
