// A settings store for the application tests: the program's key, its values and the per-user
// data folder are plain fields the test sets.
#pragma once

#include "app/chess_settings_store.h"

#include <map>
#include <string>

class FAKE_SETTINGS_STORE : public CHESS_SETTINGS_STORE {
  public:
    bool key_present = true;
    mutable std::map<std::string, std::string> values;
    std::string user_directory;
    std::string settings_file = "/home/ada/.config/Kwo/VelMoraChess.conf";

    bool has_key() const override { return key_present; }
    std::optional<std::string> value(const std::string& name) const override {
        const auto found = values.find(name);
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    void set_value(const std::string& name, const std::string& value) const override {
        if (key_present) {
            values[name] = value;
        }
    }
    std::string user_data_directory() const override { return user_directory; }
    std::string location() const override { return settings_file; }
};
