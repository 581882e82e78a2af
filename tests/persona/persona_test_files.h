// Helpers shared by the persona tests: writing small persona files into a scratch folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace persona_test {

// A magic number whose checked digits are the reserved value 7419, so that any checksum passes.
inline const std::string any_magic = "01900740";

inline std::filesystem::path scratch_dir() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "velmora_persona_tests";
    if (info != nullptr) {
        name += std::string("_") + info->test_suite_name() + "_" + info->name();
    }
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / name;
    std::filesystem::create_directories(dir);
    return dir;
}

// Writes content as bytes and answers the file's path.
inline std::string write_file(const std::string& name, const std::string& content) {
    const std::filesystem::path path = scratch_dir() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return path.string();
}

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace persona_test

namespace persona_test {

inline std::string fixture_path() {
    return std::string(VELMORA_TEST_DATA) + "/persona/velmora_chess.dat";
}

// The fixture's text with its magic number opened to any checksum, so that tests can edit it.
inline std::string open_fixture() {
    std::string text = read_file(fixture_path());
    const std::size_t magic = text.find("\nM ");
    text.replace(magic + 3, 8, any_magic);
    return text;
}

inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace persona_test
