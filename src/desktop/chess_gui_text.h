// The bridge between the program's 8-bit texts and the widgets' Unicode strings. Texts come from
// files written by people (persona data, saved games, nicknames): they are read as UTF-8 when they
// are valid UTF-8, and as Latin-1 otherwise, so that an old file never turns into garbage or is
// dropped. Strings going back to the program are UTF-8.
#pragma once

#include <QString>
#include <string>

class CHESS_GUI_TEXT {
  public:
    static QString to_qstring(const std::string& text);
    static std::string to_std(const QString& text);
};
