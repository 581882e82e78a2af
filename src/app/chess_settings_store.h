// The per-user settings the program reads, seen through a small interface so that the core
// stays free of any platform library and tests can give it a store of their own. The desktop's
// store is QSettings("Kwo", "VelMoraChess").
#pragma once

#include <optional>
#include <string>

class CHESS_SETTINGS_STORE {
  public:
    virtual ~CHESS_SETTINGS_STORE() = default;

    // Whether the store holds anything under the program's key (on Linux: the settings file
    // exists and can be read).
    virtual bool has_key() const = 0;
    // A string value under the program's key, if present.
    virtual std::optional<std::string> value(const std::string& name) const = 0;
    // Records a choice of the player under the program's key. A store whose key does not exist
    // yet keeps nothing: creating it would pass for an installation.
    virtual void set_value(const std::string& name, const std::string& value) const = 0;
    // A per-user folder the program may always write to, for its own files when the
    // installation directory is not writable.
    virtual std::string user_data_directory() const = 0;
    // Where the user finds the program's key to edit it (on Linux: the settings file's path);
    // empty where the key's own name already says so (the registry).
    virtual std::string location() const = 0;

    // A yes-or-no choice of the player: "true" or "1" is on, "false" or "0" off; anything else,
    // or nothing, is the choice's default.
    bool flag(const std::string& name, bool otherwise) const;
    // Records a yes-or-no choice as "true" or "false".
    void set_flag(const std::string& name, bool on) const;
};
