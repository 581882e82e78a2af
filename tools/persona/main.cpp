// velmora-persona: the tool for people who write persona data files.
//   velmora-persona check FILE [--video VIDEO]   load the file as the game does and print what
//                                                was found; with --video, also require every
//                                                clip range to lie within the video's frames
//   velmora-persona seal FILE                    rewrite the magic number after an edit
// Results go to standard output; a fault goes to standard error as the one line the game would
// show, with exit code 1; a wrong command line prints the usage there, with exit code 2.
#include "persona/velmora.h"
#include "persona/velmora_seal.h"
#include "video_check.h"

#include <iostream>
#include <string>

namespace {

int check(const std::string& filename, const std::string& video) {
    const VELMORA velmora(filename);
    if (velmora.failed()) {
        std::cerr << velmora.error_message() << '\n';
        return 1;
    }
    int64_t frames = 0;
    if (!video.empty()) {
        const VELMORA_VIDEO_CHECK video_check(velmora.db(), filename, video);
        if (video_check.failed()) {
            std::cerr << video_check.error_message() << '\n';
            return 1;
        }
        frames = video_check.frame_count();
    }
    const VELMORA_DB& db = velmora.db();
    std::cout << "nickname: " << velmora.nickname() << '\n'
              << "rating: " << (db.mature() ? 'M' : 'G') << '\n'
              << "debug: " << (db.debug_mode() ? 1 : 0) << '\n'
              << "groups: " << db.group_count() << '\n'
              << "checksum: " << db.checksum() << '\n';
    if (!video.empty()) {
        std::cout << "video frames: " << frames << '\n';
    }
    return 0;
}

int seal(const std::string& filename) {
    const VELMORA_SEAL sealed(filename);
    if (sealed.failed()) {
        std::cerr << sealed.error_message() << '\n';
        return 1;
    }
    std::cout << sealed.magic_number() << '\n';
    return 0;
}

} // namespace

constexpr const char* usage = "usage: velmora-persona check FILE [--video VIDEO]\n"
                              "       velmora-persona seal FILE\n";

int main(int argc, char** argv) {
    const std::string command = argc >= 2 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::cout << usage;
        return 0;
    }
    if (command == "check" && argc == 3) {
        return check(argv[2], "");
    }
    if (command == "check" && argc == 5 && std::string(argv[3]) == "--video") {
        return check(argv[2], argv[4]);
    }
    if (command == "seal" && argc == 3) {
        return seal(argv[2]);
    }
    std::cerr << usage;
    return 2;
}
