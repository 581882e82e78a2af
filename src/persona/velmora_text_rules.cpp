#include "persona/velmora_text_rules.h"

#include <algorithm>
#include <limits>

bool VELMORA_TEXT_RULES::is_white_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string VELMORA_TEXT_RULES::strip(const std::string& s) {
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && is_white_space(s[first])) {
        ++first;
    }
    while (last > first && is_white_space(s[last - 1])) {
        --last;
    }
    return s.substr(first, last - first);
}

std::string VELMORA_TEXT_RULES::to_upper(const std::string& s) {
    std::string result = s;
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

bool VELMORA_TEXT_RULES::is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool VELMORA_TEXT_RULES::is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool VELMORA_TEXT_RULES::is_variable_char(char c) {
    return is_letter(c) || is_digit(c) || c == '_';
}

bool VELMORA_TEXT_RULES::is_valid_name(const std::string& s) {
    if (s.empty() || is_digit(s[0])) {
        return false;
    }
    return std::all_of(s.begin(), s.end(), [](char c) { return is_variable_char(c) || c == '@'; });
}

std::optional<int32_t> VELMORA_TEXT_RULES::to_integer(const std::string& s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size()) {
        return std::nullopt;
    }
    // The magnitude may reach 2^31 only for a negative number.
    const int64_t limit = negative ? int64_t{std::numeric_limits<int32_t>::max()} + 1
                                   : int64_t{std::numeric_limits<int32_t>::max()};
    int64_t value = 0;
    for (; i < s.size(); ++i) {
        if (!is_digit(s[i])) {
            return std::nullopt;
        }
        value = value * 10 + (s[i] - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

std::size_t VELMORA_TEXT_RULES::count(const std::string& s, char c) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), c));
}

std::string VELMORA_TEXT_RULES::replace_all(std::string s, char from, char to) {
    std::replace(s.begin(), s.end(), from, to);
    return s;
}
