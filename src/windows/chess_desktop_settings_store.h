// The per-user settings of the desktop program: QSettings in the platform's native form under
// "Kwo"/"VelMoraChess" (the registry key HKCU\Software\Kwo\VelMoraChess on Windows, the file
// ~/.config/Kwo/VelMoraChess.conf on Linux), and the per-user application data folder for files
// the program writes when its installation directory is read-only.
#pragma once

#include "app/chess_settings_store.h"

#include <cstdint>

class CHESS_DESKTOP_SETTINGS_STORE : public CHESS_SETTINGS_STORE {
  public:
    static constexpr const char* organization = "Kwo";
    static constexpr const char* application = "VelMoraChess";

    bool has_key() const override;
    std::optional<std::string> value(const std::string& name) const override;
    void set_value(const std::string& name, const std::string& value) const override;
    std::string user_data_directory() const override;
    std::string location() const override;

    // The window's zoom in percent (key "Zoom"), none when not recorded or not a number.
    std::optional<int32_t> zoom() const;
    void set_zoom(int32_t percent) const;
};
