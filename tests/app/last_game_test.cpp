// The game in progress is always on the disk: lastgame.txt holds, after every change, exactly
// what closing would write. A last game that cannot be read is kept aside, never written over.
#include "app_test_support.h"

#include <algorithm>
#include <cctype>

namespace {

using namespace app_test;
using S = CHESS_SHORTCUT_CONSTANTS;
using A = CHESS_APP_STATE_CONSTANTS;

class LastGame : public APP_TEST {
  protected:
    std::string on_disk() const { return read_file((install / "lastgame.txt").string()); }
    std::string expected(const std::string& nick, bool resigned,
                         const CHESS_GAME_OPTIONS& options = level1()) const {
        return CHESS_GAME_FILE::text(manager->game(), options, nick, resigned);
    }

    std::vector<fs::path> damaged_copies() const {
        std::vector<fs::path> copies;
        for (const auto& entry : fs::directory_iterator(install)) {
            if (entry.path().filename().string().rfind("lastgame-damaged-", 0) == 0) {
                copies.push_back(entry.path());
            }
        }
        return copies;
    }

    CHESS_LINK_DATA hint_link() const {
        for (auto s = ui.sentences.rbegin(); s != ui.sentences.rend(); ++s) {
            for (const CHESS_GUI_CHAT_PHRASE& phrase : s->phrases) {
                if (phrase.is_link && phrase.link_data->identifier == "HINT_MOVE") {
                    return *phrase.link_data;
                }
            }
        }
        ADD_FAILURE() << "no hint link";
        return CHESS_LINK_DATA(std::string("HINT_MOVE"), "");
    }
};

TEST_F(LastGame, WrittenAfterEveryChangeOfTheGame) {
    start();
    struct STEP {
        const char* name;
        std::function<void()> act;
        int plies;
        const char* nick;
        bool resigned;
    };
    const std::string saved =
        save_game_file("saved.txt", game_of({"d2d4", "d7d5", "c2c4"}), level1(2), "Loaded");
    const std::vector<STEP> steps = {
        {"new game", [this] { new_game(level1()); }, 0, "player", false},
        // The player's ply is on the disk while the computer's search still waits for its tick.
        {"player's move", [this] { play("e2e4"); }, 1, "player", false},
        {"computer's move", [this] { computer_answers(); }, 2, "player", false},
        {"nickname",
         [this] {
             ui.nickname_answers.push_back("Alice");
             manager->command(S::shortcut_nickname);
         },
         2, "Alice", false},
        {"undo", [this] { manager->command(S::shortcut_undo); }, 0, "Alice", false},
        {"hint played",
         [this] {
             manager->command(S::shortcut_hint);
             manager->tick();
             manager->follow_link(hint_link());
         },
         1, "Alice", false},
        {"resignation",
         [this] {
             computer_answers();
             manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), ""));
         },
         2, "Alice", true},
        {"load", [this, &saved] { load(saved); }, 3, "Loaded", false},
    };
    for (const STEP& step : steps) {
        step.act();
        ASSERT_EQ(manager->game().move_count(), step.plies) << step.name;
        const CHESS_GAME_OPTIONS options = std::string(step.name) == "load" ? level1(2) : level1();
        EXPECT_EQ(on_disk(), expected(step.nick, step.resigned, options)) << step.name;
    }
    // Closing writes the same again.
    const std::string before_close = on_disk();
    manager->autosave();
    EXPECT_EQ(on_disk(), before_close);
}

// Whether text has the shape of pattern, in which '9' stands for any decimal digit.
bool has_shape(const std::string& text, const std::string& pattern) {
    return text.size() == pattern.size() &&
           std::equal(text.begin(), text.end(), pattern.begin(), [](char t, char p) {
               return p == '9' ? std::isdigit(static_cast<unsigned char>(t)) != 0 : t == p;
           });
}

// One bad line: the file is moved aside, the chat says what was wrong and where the copy is, the
// nickname read before the bad line is kept, and no later start or close touches the copy.
TEST_F(LastGame, DamagedFileIsKeptAsideAndNeverOverwritten) {
    const std::string damaged = "\n\nNickname Zed\n\nOptions 2:60:n:W\n\n1) e2-e4,     e7-e6\n"
                                "2) d2-d5,\n\n";
    write_file((install / "lastgame.txt").string(), damaged);
    start();
    EXPECT_EQ(manager->state(), A::state_no_game);
    EXPECT_EQ(manager->game().move_count(), 0);
    const std::vector<fs::path> copies = damaged_copies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(has_shape(copies[0].filename().string(), "lastgame-damaged-99999999-999999.txt"))
        << copies[0];
    EXPECT_EQ(read_file(copies[0].string()), damaged);
    EXPECT_FALSE(fs::exists(install / "lastgame.txt"));
    const std::string chat = ui.chat_text();
    EXPECT_NE(chat.find("Line: 8, Invalid move 'd2-d5'"), std::string::npos) << chat;
    EXPECT_NE(chat.find(copies[0].string()), std::string::npos) << chat;
    EXPECT_TRUE(ui.errors.empty());

    manager->autosave();
    EXPECT_EQ(on_disk(), CHESS_GAME_FILE::text(CHESS_GAME(), level1(), "Zed", false));
    restart();
    new_game(level1());
    play("d2d4");
    computer_answers();
    manager->autosave();
    restart();
    manager->autosave();
    EXPECT_EQ(damaged_copies(), copies);
    EXPECT_EQ(read_file(copies[0].string()), damaged);
    EXPECT_EQ(manager->game().move_count(), 2);
}

// A file with nothing readable gives no nickname; the copy of a second damaged file in the same
// second gets a name of its own.
TEST_F(LastGame, SecondDamagedFileGetsItsOwnCopy) {
    write_file((install / "lastgame.txt").string(), "garbage\n");
    start();
    EXPECT_TRUE(ui.chat_has("Welcome, player. Click help for help."));
    write_file((install / "lastgame.txt").string(), "more garbage\n");
    restart();
    const std::vector<fs::path> copies = damaged_copies();
    ASSERT_EQ(copies.size(), 2u);
    std::vector<std::string> contents = {read_file(copies[0].string()),
                                         read_file(copies[1].string())};
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"garbage\n", "more garbage\n"}));
}

// Save proposes the game's own file only: a new game has none, so one Enter cannot overwrite the
// file of the game loaded before it.
TEST_F(LastGame, NewGameForgetsThePreviousGamesFile) {
    start();
    const std::string saved = save_game_file("saved.txt", game_of({"e2e4"}), level1(2), "x");
    load(saved);
    manager->command(S::shortcut_save_game);
    EXPECT_EQ(ui.last("ask_save_file")->text, saved);
    manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), ""));
    new_game(level1());
    manager->command(S::shortcut_save_game);
    EXPECT_EQ(ui.last("ask_save_file")->text, "");
}

} // namespace
