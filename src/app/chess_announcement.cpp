#include "app/chess_announcement.h"

CHESS_GUI_CHAT_SENTENCE CHESS_ANNOUNCEMENT::make(std::initializer_list<std::string> parts) {
    CHESS_GUI_CHAT_SENTENCE sentence = CHESS_GUI_CHAT_SENTENCE::system();
    bool bold = false;
    for (const std::string& part : parts) {
        if (!part.empty()) {
            sentence.add(bold ? CHESS_GUI_CHAT_PHRASE::bold(part)
                              : CHESS_GUI_CHAT_PHRASE::normal(part));
        }
        bold = !bold;
    }
    return sentence;
}
