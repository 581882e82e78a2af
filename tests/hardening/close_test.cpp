// Closing the program in every state of the application, a running search included: the game
// is written as it stands (before the computer's move while she thinks), nothing changes after
// the close, and the next start resumes what was written.
#include "app_test_support.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace app_test;
using A = CHESS_APP_STATE_CONSTANTS;
using S = CHESS_SHORTCUT_CONSTANTS;

class CloseAnywhere : public APP_TEST {
  protected:
    // Options deep enough that the search pumps the window's messages.
    static CHESS_GAME_OPTIONS deep() {
        CHESS_GAME_OPTIONS options = level1(1);
        options.max_ply = 5;
        return options;
    }

    // Everything a window could still deliver after it asked to close.
    void poke_everything() {
        manager->tick();
        for (int32_t id = S::first_shortcut; id <= S::last_shortcut; ++id) {
            manager->command(id);
        }
        manager->follow_link(CHESS_LINK_DATA(std::string("START_MENU"), "new"));
        manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
        const std::vector<CHESS_MOVE> legal = manager->game().legal_moves();
        if (!legal.empty()) {
            manager->player_move(legal.front().src, legal.front().dst,
                                 legal.front().promoted_piece());
        }
        manager->history_select(0);
        manager->clip_end();
        manager->flip_board();
        manager->webcam_off();
        manager->webcam_on();
        manager->tick();
    }
};

struct CLOSE_CASE {
    std::string name;
    // Brings the manager into the state; some close from inside the search themselves.
    std::function<void()> arrange;
    int32_t state_at_close;
    int32_t plies_at_close;
    CHESS_GAME_OPTIONS options;
    bool resigned;
    // Plies of the game after the next start and one tick (the computer's move applied).
    int32_t plies_after_restart;
};

TEST_F(CloseAnywhere, EveryStateWritesTheGameAndChangesNothingAfter) {
    bool closed_inside = false;
    const auto close_in_search = [this, &closed_inside] {
        ui.on_pump = [this, &closed_inside] {
            ui.on_pump = nullptr;
            closed_inside = manager->searching();
            EXPECT_TRUE(manager->autosave());
        };
    };
    const auto resign_in_search = [this] {
        ui.on_pump = [this] {
            ui.on_pump = nullptr;
            manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
        };
    };
    const std::vector<CLOSE_CASE> cases = {
        {"no game", [] {}, A::state_no_game, 0, CHESS_GAME_OPTIONS(), false, 0},
        {"player's turn",
         [this] {
             new_game(deep());
             play("e2e4");
             manager->tick();
         },
         A::state_player_turn, 2, deep(), false, 2},
        {"computer thinking, inside her search",
         [&] {
             new_game(deep());
             close_in_search();
             play("e2e4");
         },
         A::state_thinking, 1, deep(), false, 2},
        {"computer's search returned, her move not applied yet",
         [this] {
             new_game(deep());
             play("e2e4");
         },
         A::state_thinking, 1, deep(), false, 2},
        {"hint, inside its search",
         [&] {
             new_game(deep());
             close_in_search();
             manager->command(S::shortcut_hint);
         },
         A::state_hint, 0, deep(), false, 0},
        {"hint search returned, not shown yet",
         [this] {
             new_game(deep());
             manager->command(S::shortcut_hint);
         },
         A::state_hint, 0, deep(), false, 0},
        {"browsing the history",
         [this] {
             new_game(deep());
             play("d2d4");
             manager->tick();
             manager->history_select(0);
         },
         A::state_player_turn, 2, deep(), false, 2},
        {"resigned inside the search",
         [&] {
             new_game(deep());
             resign_in_search();
             play("e2e4");
         },
         A::state_game_over, 1, deep(), true, 0},
        {"game over by mate",
         [this] {
             load(save_game_file("fools.txt", game_of({"f2f3", "e7e5", "g2g4", "d8h4"}), level1(1),
                                 "player"));
         },
         A::state_game_over, 4, level1(1), false, 0},
    };
    for (const CLOSE_CASE& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(install / "lastgame.txt");
        restart();
        closed_inside = false;
        c.arrange();
        EXPECT_EQ(closed_inside, c.name.find("inside its") != std::string::npos ||
                                     c.name.find("inside her") != std::string::npos);
        EXPECT_EQ(manager->state(), c.state_at_close);
        const CHESS_GAME shown = manager->game();
        EXPECT_EQ(shown.move_count(), c.plies_at_close);
        EXPECT_TRUE(manager->autosave()); // a second close inside the search changes nothing
        EXPECT_FALSE(manager->searching());
        const std::string written = read_file((install / "lastgame.txt").string());
        EXPECT_EQ(written, CHESS_GAME_FILE::text(shown, c.options, "player", c.resigned));

        const std::size_t calls = ui.calls.size();
        poke_everything();
        EXPECT_EQ(ui.calls.size(), calls);
        EXPECT_EQ(manager->game().move_count(), c.plies_at_close);
        EXPECT_EQ(read_file((install / "lastgame.txt").string()), written);

        restart();
        manager->tick();
        EXPECT_EQ(manager->game().move_count(), c.plies_after_restart);
    }
}

// A start that failed writes nothing on close, and ignores everything after.
TEST_F(CloseAnywhere, FailedStartWritesNothing) {
    write_file((install / "velmora_chess.dat").string(), "broken");
    start();
    ASSERT_TRUE(manager->failed());
    const std::size_t calls = ui.calls.size();
    EXPECT_TRUE(manager->autosave());
    poke_everything();
    EXPECT_EQ(ui.calls.size(), calls);
    EXPECT_FALSE(fs::exists(install / "lastgame.txt"));
}

} // namespace

namespace {

// Neither the installation folder nor the per-user folder can take lastgame.txt: closing still
// answers at once, reports nothing and leaves every file as it was.
TEST_F(CloseAnywhere, NowhereToWriteTheLastGame) {
    fs::create_directory(install /
                         ".velmora_write_test"); // the installation folder is not writable
    write_file(store.user_directory, "a file where the user folder should be");
    for (const bool during_search : {false, true}) {
        SCOPED_TRACE(during_search ? "during the search" : "player's turn");
        restart();
        new_game(deep());
        if (during_search) {
            ui.on_pump = [this] {
                ui.on_pump = nullptr;
                EXPECT_TRUE(manager->autosave());
            };
            play("e2e4");
            EXPECT_EQ(ui.on_pump, nullptr);
        }
        EXPECT_TRUE(manager->autosave());
        EXPECT_FALSE(manager->searching());
        EXPECT_TRUE(ui.errors.empty());
        EXPECT_FALSE(fs::exists(install / "lastgame.txt"));
        EXPECT_EQ(read_file(store.user_directory), "a file where the user folder should be");
    }
    // The same when lastgame.txt itself cannot be replaced.
    fs::remove(install / ".velmora_write_test");
    fs::create_directory(install / "lastgame.txt");
    restart();
    new_game(deep());
    EXPECT_TRUE(manager->autosave());
    EXPECT_TRUE(fs::is_directory(install / "lastgame.txt"));
}

} // namespace
