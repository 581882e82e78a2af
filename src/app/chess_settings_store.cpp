#include "app/chess_settings_store.h"

bool CHESS_SETTINGS_STORE::flag(const std::string& name, bool otherwise) const {
    const std::optional<std::string> text = value(name);
    if (text == "true" || text == "1") {
        return true;
    }
    if (text == "false" || text == "0") {
        return false;
    }
    return otherwise;
}

void CHESS_SETTINGS_STORE::set_flag(const std::string& name, bool on) const {
    set_value(name, on ? "true" : "false");
}
