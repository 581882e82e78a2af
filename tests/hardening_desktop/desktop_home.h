// A temporary home for one run of the desktop hardening tests: the settings folder
// (XDG_CONFIG_HOME) is a fresh folder, and the per-user data folder (XDG_DATA_HOME) is a plain
// file, so nothing can ever be written under it.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class DESKTOP_HOME {
  public:
    static std::filesystem::path root() {
        return std::filesystem::temp_directory_path() /
               ("velmora_hardening_desktop_" + std::to_string(getpid()));
    }
    static std::filesystem::path config() { return root() / "config"; }
    static std::filesystem::path data() { return root() / "data"; }

    static void prepare() {
        std::filesystem::create_directories(config());
        std::ofstream(data()) << "not a folder";
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config().string()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data().string()));
    }
    static void remove() {
        std::error_code ignored;
        std::filesystem::remove_all(root(), ignored);
    }
};
