// The program's own bracketed notices in the chat, such as "[DRAW]" or "[NEW GAME: a vs. b]":
// system sentences of normal text with the players' names in bold between. The parts are shown
// as they are, never read as markup, so a nickname cannot turn into a link.
#pragma once

#include "persona/chess_gui_chat_sentence.h"

#include <initializer_list>
#include <string>

class CHESS_ANNOUNCEMENT {
  public:
    // The parts alternate: normal text, a bold name, normal text, ...; empty parts are left out.
    static CHESS_GUI_CHAT_SENTENCE make(std::initializer_list<std::string> parts);
};
