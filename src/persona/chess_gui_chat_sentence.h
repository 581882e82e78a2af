// One line of the chat pane: its phrases in order, spoken either by the character or by the
// program itself (a system notice). Exactly one of the two flags is set, by the creation
// function used; the chat pane colours the line by it.
#pragma once

#include "persona/chess_gui_chat_phrase.h"

#include <string>
#include <vector>

class CHESS_GUI_CHAT_SENTENCE {
  public:
    std::vector<CHESS_GUI_CHAT_PHRASE> phrases;
    bool is_system = false;
    bool is_velmora = false;

    static CHESS_GUI_CHAT_SENTENCE system();
    static CHESS_GUI_CHAT_SENTENCE velmora();

    void add(CHESS_GUI_CHAT_PHRASE phrase) { phrases.push_back(std::move(phrase)); }
    // The phrases' texts run together, as the line reads.
    std::string text() const;

  private:
    CHESS_GUI_CHAT_SENTENCE() = default;
};
