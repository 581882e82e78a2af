#include "persona/velmora_markup_check.h"

#include "persona/velmora_text_rules.h"

using R = VELMORA_TEXT_RULES;

std::optional<std::string> VELMORA_MARKUP_CHECK::check(const std::string& text,
                                                       const VELMORA_DB_GROUP_TABLE& groups) {
    if (auto error = check_references(text, groups)) {
        return error;
    }
    if (auto error = check_variables(text)) {
        return error;
    }
    if (auto error = check_links(text)) {
        return error;
    }
    return check_bold(text);
}

// Each '[' is paired with the next ']' after the previous pair.
std::optional<std::string>
VELMORA_MARKUP_CHECK::check_references(const std::string& text,
                                       const VELMORA_DB_GROUP_TABLE& groups) {
    const std::size_t opens = R::count(text, '[');
    if (opens != R::count(text, ']')) {
        return "mis-matched '[ ]' in text";
    }
    std::size_t from = 0;
    for (std::size_t i = 0; i < opens; ++i) {
        const std::size_t open = text.find('[', from);
        const std::size_t close = text.find(']', from);
        if (open == std::string::npos || close == std::string::npos || close < open) {
            return "syntax error in text '] ['";
        }
        if (close == open + 1) {
            return "empty group reference in text";
        }
        const std::string name = R::to_upper(text.substr(open + 1, close - open - 1));
        const auto found = groups.find(name);
        if (found == groups.end()) {
            return "unknown group name '[" + name + "]'";
        }
        if (!found->second->has_text()) {
            return "group name '[" + name + "]' has no text records";
        }
        from = close + 1;
    }
    return std::nullopt;
}

std::optional<std::string> VELMORA_MARKUP_CHECK::check_variables(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '$') {
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && R::is_variable_char(text[end])) {
            ++end;
        }
        const std::string name = text.substr(i + 1, end - i - 1);
        if (name.empty()) {
            return "Empty '$' variable";
        }
        if (!R::is_valid_name(name)) {
            return "Invalid $ variable identifier";
        }
        i = end - 1;
    }
    return std::nullopt;
}

std::optional<std::string> VELMORA_MARKUP_CHECK::check_links(const std::string& text) {
    const std::size_t opens = R::count(text, '<');
    if (opens != R::count(text, '>')) {
        return "mis-matched '< >' in text";
    }
    std::size_t from = 0;
    for (std::size_t i = 0; i < opens; ++i) {
        const std::size_t open = text.find('<', from);
        const std::size_t close = text.find('>', from);
        if (open == std::string::npos || close == std::string::npos || close < open) {
            return "reversed brackets '>' '<'";
        }
        if (auto error = check_link_content(text.substr(open + 1, close - open - 1))) {
            return error;
        }
        from = close + 1;
    }
    return std::nullopt;
}

std::optional<std::string> VELMORA_MARKUP_CHECK::check_link_content(const std::string& content) {
    if (content.empty()) {
        return "Empty embedded link <>";
    }
    const std::size_t bars = R::count(content, '|');
    if (bars > 1) {
        return "Too many '|' in embedded link";
    }
    if (bars == 1) {
        const std::size_t bar = content.find('|');
        if (bar == 0) {
            return "link text is empty";
        }
        if (!R::is_valid_name(content.substr(bar + 1))) {
            return "invalid link identifier after '|'";
        }
    }
    if (content.find('*') != std::string::npos) {
        return "embedded link < > cannot contains asterisks '*'";
    }
    return std::nullopt;
}

std::optional<std::string> VELMORA_MARKUP_CHECK::check_bold(const std::string& text) {
    if (R::count(text, '*') % 2 != 0) {
        return "mis-matched '*' (BOLD) in text";
    }
    std::size_t open = text.find('*');
    while (open != std::string::npos) {
        const std::size_t close = text.find('*', open + 1);
        if (close == open + 1) {
            return "bold '*' pattern is empty";
        }
        const std::string inside = text.substr(open + 1, close - open - 1);
        if (inside.find_first_of("<>") != std::string::npos) {
            return "bold '*' pattern contains link";
        }
        open = text.find('*', close + 1);
    }
    return std::nullopt;
}
