// The small text rules shared by the persona data loader, the drawing of texts and the chat
// markup: which bytes are white space, what a name is, what an integer is. Keeping them in one
// place makes the loader and the chat converter agree on every character.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class VELMORA_TEXT_RULES {
  public:
    // Blank, tab, carriage return, line feed, vertical tab and form feed; nothing else.
    static bool is_white_space(char c);
    static std::string strip(const std::string& s);
    // ASCII upper case; other bytes are left as they are.
    static std::string to_upper(const std::string& s);
    static bool is_letter(char c);
    static bool is_digit(char c);
    // Letters, digits and '_': the characters of a '$' variable name.
    static bool is_variable_char(char c);
    // Non-empty, only letters, digits, '_' and '@', not beginning with a digit.
    static bool is_valid_name(const std::string& s);
    // An optional sign followed by decimal digits and nothing else, fitting 32 bits.
    static std::optional<int32_t> to_integer(const std::string& s);
    static std::size_t count(const std::string& s, char c);
    static std::string replace_all(std::string s, char from, char to);
};
