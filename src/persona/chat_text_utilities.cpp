#include "persona/chat_text_utilities.h"

#include "persona/velmora_text_rules.h"

using R = VELMORA_TEXT_RULES;

std::vector<CHESS_GUI_CHAT_SENTENCE>
CHAT_TEXT_UTILITIES::velmora_sentences(const VELMORA_TEXT& text,
                                       const VELMORA_CHAT_VARIABLES& own) const {
    return sentences(text, true, own);
}

std::vector<CHESS_GUI_CHAT_SENTENCE>
CHAT_TEXT_UTILITIES::system_sentences(const VELMORA_TEXT& text,
                                      const VELMORA_CHAT_VARIABLES& own) const {
    return sentences(text, false, own);
}

std::vector<CHESS_GUI_CHAT_SENTENCE>
CHAT_TEXT_UTILITIES::sentences(const VELMORA_TEXT& text, bool velmora,
                               const VELMORA_CHAT_VARIABLES& own) const {
    std::vector<CHESS_GUI_CHAT_SENTENCE> result;
    for (const std::string& line : text.lines) {
        CHESS_GUI_CHAT_SENTENCE sentence =
            velmora ? CHESS_GUI_CHAT_SENTENCE::velmora() : CHESS_GUI_CHAT_SENTENCE::system();
        if (velmora && result.empty()) {
            sentence.add(CHESS_GUI_CHAT_PHRASE::bold(velmora_.nickname() + ": "));
        }
        add_phrases(sentence, line, own);
        result.push_back(std::move(sentence));
    }
    return result;
}

void CHAT_TEXT_UTILITIES::add_phrases(CHESS_GUI_CHAT_SENTENCE& sentence, const std::string& line,
                                      const VELMORA_CHAT_VARIABLES& own) const {
    std::string accumulator;
    bool bold = false;
    for (char c : line) {
        if (c == '*') {
            if (bold) {
                sentence.add(CHESS_GUI_CHAT_PHRASE::bold(substitute(accumulator, own)));
            } else if (!accumulator.empty()) {
                sentence.add(CHESS_GUI_CHAT_PHRASE::normal(substitute(accumulator, own)));
            }
            bold = !bold;
            accumulator.clear();
        } else if (c == '<') {
            if (!accumulator.empty()) {
                sentence.add(CHESS_GUI_CHAT_PHRASE::normal(substitute(accumulator, own)));
            }
            accumulator.clear();
        } else if (c == '>') {
            add_link(sentence, accumulator, own);
            accumulator.clear();
        } else {
            accumulator += c;
        }
    }
    if (!accumulator.empty()) {
        sentence.add(CHESS_GUI_CHAT_PHRASE::normal(substitute(accumulator, own)));
    }
}

// "<text|IDENTIFIER>" acts on the identifier; "<address>" is an address shown as it is.
void CHAT_TEXT_UTILITIES::add_link(CHESS_GUI_CHAT_SENTENCE& sentence, const std::string& content,
                                   const VELMORA_CHAT_VARIABLES& own) const {
    const std::size_t bar = content.find('|');
    if (bar == std::string::npos) {
        const std::string shown = substitute(content, own);
        sentence.add(CHESS_GUI_CHAT_PHRASE::link(shown, CHESS_LINK_DATA(std::nullopt, shown)));
        return;
    }
    const std::string shown = substitute(content.substr(0, bar), own);
    sentence.add(
        CHESS_GUI_CHAT_PHRASE::link(shown, CHESS_LINK_DATA(content.substr(bar + 1), shown)));
}

// Each '$' and the name after it becomes the variable's value with its '$' characters removed,
// or the upper-cased name in parentheses when no such variable is set.
std::string CHAT_TEXT_UTILITIES::substitute(const std::string& text,
                                            const VELMORA_CHAT_VARIABLES& own) const {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '$') {
            result += text[i];
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && R::is_variable_char(text[end])) {
            ++end;
        }
        const std::string name = R::to_upper(text.substr(i + 1, end - i - 1));
        const std::string* value = own.find(name);
        if (value == nullptr) {
            value = symbols_.find(name);
        }
        if (value == nullptr) {
            result += "(" + name + ")";
        } else {
            for (char c : *value) {
                if (c != '$') {
                    result += c;
                }
            }
        }
        i = end - 1;
    }
    return result;
}

void CHAT_TEXT_UTILITIES::set_variable(const std::string& name, const std::string& value) {
    symbols_.set(name, value);
}

std::optional<std::string> CHAT_TEXT_UTILITIES::variable(const std::string& name) const {
    const std::string* value = symbols_.find(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return *value;
}

void CHAT_TEXT_UTILITIES::remove_variable(const std::string& name) {
    symbols_.remove(name);
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::answer(VELMORA_EVENT event,
                                                                 VELMORA_CHAT_VARIABLES variables) {
    event.variables = std::move(variables);
    velmora_.execute_now(event);
    if (!event.text_message) {
        return {};
    }
    return system_sentences(*event.text_message, event.variables);
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::about() {
    return answer(VELMORA_EVENT("about"));
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::save(const std::string& file_name) {
    return answer(VELMORA_EVENT("save_game"), {{"filename", file_name}});
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::save_error(const std::string& message) {
    return answer(VELMORA_EVENT("save_error"), {{"msg", message}});
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::load(const std::string& file_name) {
    return answer(VELMORA_EVENT("load_game"), {{"filename", file_name}});
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::load_error(const std::string& message) {
    return answer(VELMORA_EVENT("load_error"), {{"msg", message}});
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::resign_confirmation() {
    return answer(VELMORA_EVENT("resign_confirmation"));
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::hint_before() {
    return answer(VELMORA_EVENT("request_hint"));
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::hint_after(const std::string& move_text) {
    return answer(VELMORA_EVENT("issue_hint"), {{"hint", move_text}});
}

std::vector<CHESS_GUI_CHAT_SENTENCE>
CHAT_TEXT_UTILITIES::statistics(const CHAT_STATISTICS_VALUES& statistics,
                                const std::string& skill_text) {
    const auto rate = [](const std::optional<int64_t>& value) {
        return value ? std::to_string(*value) : std::string("N/A");
    };
    return answer(VELMORA_EVENT("statistics"),
                  {{"nps", rate(statistics.nodes_per_second)},
                   {"last_nps", rate(statistics.last_nps)},
                   {"last_nc", std::to_string(statistics.last_node_count)},
                   {"tslots", std::to_string(statistics.total_hash_slots)},
                   {"slots", std::to_string(statistics.hash_slots_used)},
                   {"collision", std::to_string(statistics.total_hash_collisions)},
                   {"lookup", std::to_string(statistics.total_hash_lookups)},
                   {"bs", statistics.best_sequence},
                   {"skill", skill_text}});
}

std::vector<CHESS_GUI_CHAT_SENTENCE>
CHAT_TEXT_UTILITIES::change_nickname(const std::string& old_nickname,
                                     const std::string& new_nickname) {
    return answer(VELMORA_EVENT("change_nickname"), {{"old", old_nickname}, {"new", new_nickname}});
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::start_help() {
    return answer(VELMORA_EVENT("start_help"));
}

std::vector<CHESS_GUI_CHAT_SENTENCE> CHAT_TEXT_UTILITIES::help(int32_t topic) {
    return answer(VELMORA_EVENT::help(topic));
}

std::optional<int32_t> CHAT_TEXT_UTILITIES::help_topic(const std::string& identifier) {
    if (identifier.rfind("HELP", 0) != 0) {
        return std::nullopt;
    }
    const std::string digits = identifier.substr(4);
    if (digits.empty()) {
        return 0;
    }
    if (digits.size() > 9) {
        return std::nullopt;
    }
    for (char c : digits) {
        if (!R::is_digit(c)) {
            return std::nullopt;
        }
    }
    return std::stoi(digits);
}
