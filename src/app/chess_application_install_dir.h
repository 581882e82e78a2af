// The installation directory: the one configuration value the program reads, from the per-user
// settings store under the key "Software\Kwo\VelMoraChess", value "InstallPath". Every data file
// (persona, video, last game, debug record) is named relative to it. Reading happens at once on
// creation and ends in either a directory that exists or exactly one of three failures with its
// complete message; the caller shows the message and the program ends. File names are joined to
// the directory with the platform's separator.
#pragma once

#include "app/chess_settings_store.h"

#include <string>

class CHESS_APPLICATION_INSTALL_DIR {
  public:
    static constexpr const char* root_key = "HKEY_CURRENT_USER";
    static constexpr const char* key_path = "Software\\Kwo\\VelMoraChess";
    static constexpr const char* value_name = "InstallPath";

    explicit CHESS_APPLICATION_INSTALL_DIR(const CHESS_SETTINGS_STORE& store);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }
    // The directory as stored, with no separator added or removed.
    const std::string& item() const { return item_; }
    bool last_call_successful() const { return last_call_successful_; }

    // name inside the installation directory.
    std::string file(const std::string& name) const { return joined(item_, name); }
    // Whether a file can be created in the installation directory right now.
    bool is_writable() const;

    // directory and name joined with the platform's separator.
    static std::string joined(const std::string& directory, const std::string& name);

  private:
    void fail(const std::string& message);

    std::string error_message_;
    std::string item_;
    bool last_call_successful_ = false;
    bool failed_ = false;
};
