#include "persona/velmora_chat_variables.h"

#include "persona/velmora_text_rules.h"

using R = VELMORA_TEXT_RULES;

VELMORA_CHAT_VARIABLES::VELMORA_CHAT_VARIABLES(
    std::initializer_list<std::pair<std::string, std::string>> values) {
    for (const auto& [name, value] : values) {
        set(name, value);
    }
}

void VELMORA_CHAT_VARIABLES::set(const std::string& name, const std::string& value) {
    values_[R::to_upper(name)] = value;
}

void VELMORA_CHAT_VARIABLES::remove(const std::string& name) {
    values_.erase(R::to_upper(name));
}

const std::string* VELMORA_CHAT_VARIABLES::find(const std::string& name) const {
    const auto found = values_.find(R::to_upper(name));
    return found == values_.end() ? nullptr : &found->second;
}
