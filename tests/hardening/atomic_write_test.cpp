// Nothing lost: the durable writer, the autosave, the save command and the persona sealer are
// killed at every step of their writing, and each time the file they write is found either as it
// was before or as the complete new file, never half-written, empty or missing. The writer's
// system calls come in the order that makes this hold across a power cut as well.
#include "app_test_support.h"
#include "persona/velmora.h"
#include "persona/velmora_seal.h"
#include "saved_games/kwo_durable_writer.h"
#include "step_killer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/syscall.h>

namespace {

using namespace app_test;
using S = CHESS_SHORTCUT_CONSTANTS;

// What the runs found in the file.
struct FINDINGS {
    int old_file = 0;
    int new_file = 0;
};

// Kills the writer at every step; before each run the target holds old_bytes again and the
// folder holds nothing else the writer left.
FINDINGS kill_at_every_step(const std::function<void()>& writer, const fs::path& target,
                            const std::string& old_bytes, const std::string& new_bytes) {
    FINDINGS found;
    const auto restore = [&] {
        for (const auto& entry : fs::directory_iterator(target.parent_path())) {
            if (entry.path().filename().string().find(target.filename().string()) !=
                    std::string::npos &&
                entry.path() != target) {
                fs::remove(entry.path());
            }
        }
        write_file(target.string(), old_bytes);
    };
    restore();
    const int kills = STEP_KILLER(writer).run_every_step([&](int step) {
        const std::string bytes = read_file(target.string());
        if (step == 0) {
            EXPECT_EQ(bytes, new_bytes) << "the finished writer";
            return;
        }
        EXPECT_TRUE(bytes == old_bytes || bytes == new_bytes)
            << "killed at system call " << step << ", the file holds:\n"
            << bytes;
        ++(bytes == old_bytes ? found.old_file : found.new_file);
        restore();
    });
    EXPECT_GT(kills, 3) << "the writer could not be traced";
    testing::Test::RecordProperty("killed_runs", kills);
    testing::Test::RecordProperty("old_file_found", found.old_file);
    testing::Test::RecordProperty("new_file_found", found.new_file);
    return found;
}

class AtomicWrite : public APP_TEST {
  protected:
    // A game in progress with the player to move, and an older saved game to be replaced.
    void SetUp() override {
        APP_TEST::SetUp();
        start();
        new_game(level1());
        play("e2e4");
        computer_answers();
        play("d2d4");
        computer_answers();
        old_text = CHESS_GAME_FILE::text(game_of({"g1f3"}), level1(), "Old", true);
    }

    std::string current_text() const {
        return CHESS_GAME_FILE::text(manager->game(), level1(), "player", false);
    }

    std::string old_text;
};

TEST_F(AtomicWrite, AutosaveKilledAtEveryStep) {
    const fs::path target = install / "lastgame.txt";
    const FINDINGS found =
        kill_at_every_step([this] { manager->autosave(); }, target, old_text, current_text());
    EXPECT_GT(found.old_file, 0);
    EXPECT_GT(found.new_file, 0);
    // Every write happened in a child: this manager is still open, and the complete file
    // resumes its game.
    EXPECT_TRUE(manager->autosave());
    restart();
    EXPECT_EQ(manager->game().move_count(), 4);
}

TEST_F(AtomicWrite, SaveCommandKilledAtEveryStep) {
    const fs::path target = root / "saved.txt";
    const FINDINGS found = kill_at_every_step(
        [this, &target] {
            ui.save_answers.push_back(target.string());
            manager->command(S::shortcut_save_game);
        },
        target, old_text, current_text());
    EXPECT_GT(found.old_file, 0);
    EXPECT_GT(found.new_file, 0);
}

TEST(AtomicSeal, SealKilledAtEveryStep) {
    const fs::path folder = fs::path(testing::TempDir()) / "velmora_atomic_seal";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path target = folder / "velmora_chess.dat";
    // An edited persona: one more line, so the magic number no longer fits.
    const std::string edited = read_file(fixture_persona()) + "\n[EDITED_GROUP]\nT a new line.\n";
    write_file(target.string(), edited);
    ASSERT_TRUE(VELMORA(target.string()).failed());
    const VELMORA_SEAL reference(target.string());
    ASSERT_FALSE(reference.failed()) << reference.error_message();
    const std::string sealed = read_file(target.string());
    ASSERT_FALSE(VELMORA(target.string()).failed());

    const FINDINGS found = kill_at_every_step(
        [&target] { const VELMORA_SEAL seal(target.string()); }, target, edited, sealed);
    EXPECT_GT(found.old_file, 0);
    EXPECT_GT(found.new_file, 0);
    EXPECT_FALSE(VELMORA(target.string()).failed());
    fs::remove_all(folder);
}

// Through a symbolic link: at every step the link is still a link and the file behind it holds
// the old or the new text.
TEST(DurableWrite, KilledAtEveryStepThroughALink) {
    const fs::path folder = fs::path(testing::TempDir()) / "velmora_durable_link";
    fs::remove_all(folder);
    fs::create_directories(folder / "real");
    const fs::path target = folder / "real" / "lastgame.txt";
    const fs::path link = folder / "lastgame.txt";
    fs::create_symlink(target, link);
    const std::string old_text = "old game\n";
    const std::string new_text = std::string(5000, 'n') + "\n";
    const FINDINGS found = kill_at_every_step(
        [&link, &new_text] { KWO_DURABLE_WRITER(link.string()).write(new_text); }, target, old_text,
        new_text);
    EXPECT_GT(found.old_file, 0);
    EXPECT_GT(found.new_file, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    fs::remove_all(folder);
}

bool is_rename(int64_t number) {
    return number == SYS_rename || number == SYS_renameat || number == SYS_renameat2;
}

// The text is written and flushed to the disk before the rename, and the folder is flushed after
// it: a power cut at any moment finds the old file or the complete new one.
TEST(DurableWrite, SystemCallsComeInTheDurableOrder) {
    const fs::path folder = fs::path(testing::TempDir()) / "velmora_durable_order";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path target = folder / "game.txt";
    write_file(target.string(), "old");
    const std::vector<STEP_KILLER::SYSTEM_CALL> calls =
        STEP_KILLER([&target] {
            KWO_DURABLE_WRITER(target.string()).write("new text");
        }).system_calls();
    ASSERT_FALSE(calls.empty()) << "the writer could not be traced";
    EXPECT_EQ(read_file(target.string()), "new text");

    const auto from = [&calls](auto start, auto predicate) {
        return std::find_if(start, calls.end(), predicate);
    };
    const auto write = from(calls.begin(), [](const auto& c) { return c.number == SYS_write; });
    ASSERT_NE(write, calls.end()) << "no write";
    const uint64_t file = write->first_argument;
    const auto file_sync = from(
        write, [file](const auto& c) { return c.number == SYS_fsync && c.first_argument == file; });
    ASSERT_NE(file_sync, calls.end()) << "the file is not flushed after its write";
    const auto rename = from(file_sync, [](const auto& c) { return is_rename(c.number); });
    ASSERT_NE(rename, calls.end()) << "no rename after the file's flush";
    const auto folder_sync = from(rename, [](const auto& c) { return c.number == SYS_fsync; });
    EXPECT_NE(folder_sync, calls.end()) << "the folder is not flushed after the rename";
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const auto& c) { return is_rename(c.number); }),
              1);
    EXPECT_EQ(std::find_if(rename, calls.end(),
                           [file](const auto& c) {
                               return c.number == SYS_write && c.first_argument == file;
                           }),
              calls.end())
        << "written after the rename";
    fs::remove_all(folder);
}

} // namespace
