// One thing the character says: its lines in order (the first from a T-record, one more for each
// '+' record) and whether it is meant for a mature rating only. Drawn texts are copies with their
// group references already expanded, so the chat converter never sees a '[' reference.
#pragma once

#include <string>
#include <vector>

class VELMORA_TEXT {
  public:
    std::vector<std::string> lines;
    bool mature = false;

    VELMORA_TEXT() = default;
    VELMORA_TEXT(std::vector<std::string> lines, bool mature)
        : lines(std::move(lines)), mature(mature) {}

    // True when there are no lines or every line is empty.
    bool is_blank() const {
        for (const std::string& line : lines) {
            if (!line.empty()) {
                return false;
            }
        }
        return true;
    }
    bool operator==(const VELMORA_TEXT& other) const = default;
};
