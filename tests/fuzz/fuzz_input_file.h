// The persona loader and the saved-game reader read files by name, so a fuzz input is written to
// a file of this process's own first. The file is removed when the program ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class FUZZ_INPUT_FILE {
  public:
    explicit FUZZ_INPUT_FILE(const std::string& suffix)
        : path_((std::filesystem::temp_directory_path() /
                 ("velmora_fuzz_" + std::to_string(getpid()) + suffix))
                    .string()) {}
    ~FUZZ_INPUT_FILE() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    // Replaces the file's bytes with the input and answers its name.
    const std::string& hold(const uint8_t* data, size_t size) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path_;
    }

  private:
    std::string path_;
};
