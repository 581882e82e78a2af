#include "app/chess_application_install_dir.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

const std::string error_prefix = "Installation Error: ";

std::string full_key() {
    return std::string(CHESS_APPLICATION_INSTALL_DIR::root_key) + "\\" +
           CHESS_APPLICATION_INSTALL_DIR::key_path;
}

std::string full_value() {
    return full_key() + "\\" + CHESS_APPLICATION_INSTALL_DIR::value_name;
}

} // namespace

CHESS_APPLICATION_INSTALL_DIR::CHESS_APPLICATION_INSTALL_DIR(const CHESS_SETTINGS_STORE& store) {
    if (!store.has_key()) {
        fail("Unable to open the registry key: " + full_key());
        return;
    }
    const std::optional<std::string> value = store.value(value_name);
    last_call_successful_ = true;
    if (!value) {
        fail("Missing value name: " + full_value());
        return;
    }
    item_ = *value;
    std::error_code error;
    // An empty value names no directory at all.
    if (item_.empty() || !std::filesystem::is_directory(item_, error)) {
        fail("The directory " + full_value() + " = " + item_ + " does not exist");
    }
}

void CHESS_APPLICATION_INSTALL_DIR::fail(const std::string& message) {
    failed_ = true;
    error_message_ = error_prefix + message;
}

std::string CHESS_APPLICATION_INSTALL_DIR::joined(const std::string& directory,
                                                  const std::string& name) {
    return (std::filesystem::path(directory) / name).string();
}

// Creating and removing a probe file is the only test that also holds for a read-only file
// system or a folder whose permissions the superuser ignores only in part.
bool CHESS_APPLICATION_INSTALL_DIR::is_writable() const {
    const std::filesystem::path probe = std::filesystem::path(item_) / ".velmora_write_test";
    std::error_code error;
    if (std::filesystem::exists(probe, error)) {
        return std::filesystem::is_regular_file(probe, error) &&
               std::ofstream(probe, std::ios::app).good();
    }
    bool writable = false;
    {
        std::ofstream out(probe, std::ios::out | std::ios::trunc);
        writable = out.good();
    }
    std::filesystem::remove(probe, error);
    return writable;
}
