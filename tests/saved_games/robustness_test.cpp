// Reading must end in a game or one clear failure on any input, however large or strange.
#include "saved_games/chess_game_file.h"
#include "saved_games_support.h"

#include <gtest/gtest.h>
#include <random>

namespace {

CHESS_GAME_FILE read_bytes(const SCRATCH_FOLDER& folder, const std::string& bytes) {
    put_file_bytes(folder.file("input.txt"), bytes);
    CHESS_GAME_FILE file(folder.file("input.txt"));
    file.read();
    return file;
}

// Knights out and back home, forever: every move legal, no capture, no pawn move.
std::string shuffle_lines(int64_t count) {
    std::string text = "Nickname shuffler\nOptions 2:60:n:W\n";
    for (int64_t n = 1; n <= count; ++n) {
        text += std::to_string(n) + (n % 2 ? ") g1-f3,     g8-f6\n" : ") f3-g1,     f6-g8\n");
    }
    return text;
}

// The sanitizer build walks the same path with fewer lines: it checks memory, the plain build
// checks scale.
#ifdef __SANITIZE_ADDRESS__
constexpr int64_t long_game_lines = 50000;
#else
constexpr int64_t long_game_lines = 1000000;
#endif

} // namespace

TEST(SavedGameRobustness, AMillionMoveLinesReplay) {
    SCRATCH_FOLDER folder;
    const CHESS_GAME_FILE file = read_bytes(folder, shuffle_lines(long_game_lines));
    ASSERT_FALSE(file.failed()) << file.error_message();
    EXPECT_EQ(file.saved_game().game.move_count(), 2 * long_game_lines);
    EXPECT_TRUE(file.saved_game().game.draw());
}

TEST(SavedGameRobustness, HugeLinesFailOnTheirLine) {
    SCRATCH_FOLDER folder;
    const std::string huge(20 * 1000 * 1000, 'x');
    const std::string name = folder.file("input.txt");
    EXPECT_EQ(read_bytes(folder, "\n" + huge + "\n").error_message(),
              name + ", Line: 2, syntax error");
    const std::string digits(1000000, '9');
    EXPECT_EQ(read_bytes(folder, "Nickname a\n" + digits + ") e2-e4,\n").error_message(),
              name + ", Line: 2, invalid move number");
    EXPECT_EQ(read_bytes(folder, "Options " + digits + ":1:n:W\n").error_message(),
              name + ", Line: 1, 1st arg, max_ply is not an integer");
    // A huge nickname is still a nickname.
    const CHESS_GAME_FILE file = read_bytes(folder, "Nickname " + huge + "\nOptions 2:60:n:W\n");
    ASSERT_FALSE(file.failed()) << file.error_message().substr(0, 100);
    EXPECT_EQ(file.saved_game().nickname.size(), huge.size());
}

TEST(SavedGameRobustness, BinaryInputEndsInOneFailure) {
    SCRATCH_FOLDER folder;
    std::mt19937 random(20240611);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(1 + random() % 4000, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(random());
        }
        const CHESS_GAME_FILE file = read_bytes(folder, bytes);
        EXPECT_TRUE(file.failed());
        EXPECT_EQ(file.error_message().rfind(folder.file("input.txt") + ", Line: ", 0), 0u);
    }
}

TEST(SavedGameRobustness, NulBytesAndLoneCarriageReturnsStayInsideLines) {
    SCRATCH_FOLDER folder;
    const std::string name = folder.file("input.txt");
    const CHESS_GAME_FILE nul =
        read_bytes(folder, std::string("Nickname a\0b\nOptions 2:60:n:W\n", 30));
    ASSERT_FALSE(nul.failed()) << nul.error_message();
    EXPECT_EQ(nul.saved_game().nickname, std::string("a\0b", 3));
    // Without line feeds the whole file is one line.
    EXPECT_EQ(read_bytes(folder, "Nickname a\rOptions 2:60:n:W\r").error_message(),
              name + ", Line: 1, missing options");
}
