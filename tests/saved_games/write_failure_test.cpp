// Writing never destroys the previous file, and every failure says which file could not be
// written.
#include "saved_games/chess_game_file.h"
#include "saved_games_support.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int file_count(const SCRATCH_FOLDER& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++count;
    }
    return count;
}

} // namespace

TEST(SavedGameWriteFailure, FolderAsTargetOrMissingFolderFails) {
    SCRATCH_FOLDER folder;
    std::filesystem::create_directory(folder.file("sub"));
    for (const std::string& name : {folder.file("sub"), folder.file("gone/game.txt")}) {
        CHESS_GAME_FILE file(name);
        file.write(CHESS_GAME(), CHESS_GAME_OPTIONS(), "x", false);
        EXPECT_TRUE(file.failed());
        EXPECT_EQ(file.error_message(), "file is not writeable: " + name);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("sub")));
    EXPECT_EQ(file_count(folder), 1);
}

TEST(SavedGameWriteFailure, OverwritingLeavesOnlyTheNewFile) {
    SCRATCH_FOLDER folder;
    const std::string name = folder.file("game.txt");
    put_file_bytes(name, "old contents");
    CHESS_GAME_FILE file(name);
    file.write(game_of("d2d4"), CHESS_GAME_OPTIONS(), "x", false);
    ASSERT_FALSE(file.failed()) << file.error_message();
    EXPECT_EQ(file_bytes(name),
              CHESS_GAME_FILE::text(game_of("d2d4"), CHESS_GAME_OPTIONS(), "x", false));
    EXPECT_EQ(file_count(folder), 1);
}

// A file-size limit makes the write fail part-way, as a full disk would.
TEST(SavedGameWriteFailure, AWriteFailingPartWayKeepsTheOldFile) {
    SCRATCH_FOLDER folder;
    const std::string name = folder.file("game.txt");
    put_file_bytes(name, "old contents");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        CHESS_GAME_FILE file(name);
        file.write(random_game(3, 200), CHESS_GAME_OPTIONS(), "x", false);
        const bool reported =
            file.failed() && file.error_message() == "file is not writeable: " + name;
        _exit(reported ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(file_bytes(name), "old contents");
    EXPECT_EQ(file_count(folder), 1);
}
