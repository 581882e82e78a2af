// The durable writer replaces exactly the file it is given: through symbolic links, with the
// permissions the file had, and without leaving anything else in the folder.
#include "saved_games/kwo_durable_writer.h"
#include "saved_games_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> folder_names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t mode_of(const std::string& name) {
    struct stat status {};
    EXPECT_EQ(::stat(name.c_str(), &status), 0) << name;
    return status.st_mode & 07777;
}

void write_ok(const std::string& name, const std::string& content) {
    KWO_DURABLE_WRITER writer(name);
    writer.write(content);
    EXPECT_FALSE(writer.failed()) << writer.error_message();
    EXPECT_TRUE(writer.error_message().empty());
}

TEST(DurableWriter, NewFileGetsTheUsualPermissionsAndNothingElseIsLeft) {
    SCRATCH_FOLDER folder;
    const mode_t mask = ::umask(022);
    write_ok(folder.file("new.txt"), "hello\n");
    ::umask(mask);
    EXPECT_EQ(file_bytes(folder.file("new.txt")), "hello\n");
    EXPECT_EQ(mode_of(folder.file("new.txt")), 0644u);
    EXPECT_EQ(folder_names(folder.path()), std::vector<std::string>{"new.txt"});
}

TEST(DurableWriter, ReplacingKeepsThePermissions) {
    SCRATCH_FOLDER folder;
    for (const mode_t mode : {0600u, 0640u, 0664u}) {
        const std::string name = folder.file("kept.txt");
        put_file_bytes(name, "old");
        ASSERT_EQ(::chmod(name.c_str(), mode), 0);
        write_ok(name, "new");
        EXPECT_EQ(file_bytes(name), "new");
        EXPECT_EQ(mode_of(name), mode);
    }
    EXPECT_EQ(folder_names(folder.path()), std::vector<std::string>{"kept.txt"});
}

// The link stays a link and the file it points at gets the content, for absolute, relative,
// chained and dangling links.
TEST(DurableWriter, SymbolicLinksAreFollowed) {
    SCRATCH_FOLDER folder;
    fs::create_directory(folder.file("real"));
    const std::string target = folder.file("real/game.txt");
    put_file_bytes(target, "old");
    fs::create_symlink(target, folder.file("absolute.txt"));
    fs::create_symlink("real/game.txt", folder.file("relative.txt"));
    fs::create_symlink("relative.txt", folder.file("chained.txt"));
    for (const char* link : {"absolute.txt", "relative.txt", "chained.txt"}) {
        write_ok(folder.file(link), link);
        EXPECT_TRUE(fs::is_symlink(folder.file(link))) << link;
        EXPECT_EQ(file_bytes(target), link);
    }
    EXPECT_EQ(folder_names(folder.file("real")), std::vector<std::string>{"game.txt"});

    fs::create_symlink("real/later.txt", folder.file("dangling.txt"));
    write_ok(folder.file("dangling.txt"), "made");
    EXPECT_TRUE(fs::is_symlink(folder.file("dangling.txt")));
    EXPECT_EQ(file_bytes(folder.file("real/later.txt")), "made");
}

TEST(DurableWriter, FailuresNameTheFileAndChangeNothing) {
    SCRATCH_FOLDER folder;
    fs::create_directory(folder.file("sub"));
    fs::create_symlink("loop_b", folder.file("loop_a"));
    fs::create_symlink("loop_a", folder.file("loop_b"));
    const std::vector<std::string> before = folder_names(folder.path());
    for (const std::string& name :
         {folder.file("sub"), folder.file("gone/game.txt"), folder.file("loop_a")}) {
        KWO_DURABLE_WRITER writer(name);
        writer.write("text");
        EXPECT_TRUE(writer.failed()) << name;
        EXPECT_EQ(writer.error_message().rfind(name + ": ", 0), 0u) << writer.error_message();
    }
    EXPECT_TRUE(fs::is_directory(folder.file("sub")));
    EXPECT_TRUE(fs::is_empty(folder.file("sub")));
    EXPECT_EQ(folder_names(folder.path()), before);
}

} // namespace
