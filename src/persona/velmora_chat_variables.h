// A table of chat variables: the values that '$' names in a persona text stand for. Names are
// case-insensitive (kept upper-cased). The chat utilities hold one table for the whole run (the
// player's nickname); an event carries its own for what only its text may speak of (the move it
// reacts to, the file just saved), and the event's values come first when its text is shown.
#pragma once

#include <initializer_list>
#include <string>
#include <unordered_map>
#include <utility>

class VELMORA_CHAT_VARIABLES {
  public:
    VELMORA_CHAT_VARIABLES() = default;
    VELMORA_CHAT_VARIABLES(std::initializer_list<std::pair<std::string, std::string>> values);

    void set(const std::string& name, const std::string& value);
    void remove(const std::string& name);
    // The value of the variable, or null when it is not set.
    const std::string* find(const std::string& name) const;
    bool empty() const { return values_.empty(); }

  private:
    std::unordered_map<std::string, std::string> values_;
};
