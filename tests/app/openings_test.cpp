// Her opening moves from the book, the "vary my openings" setting, and the chat naming the
// opening the moves have reached.
#include "app_test_support.h"
#include "engine/chess_opening_book.h"
#include "persona/velmora_seal.h"

#include <set>

using namespace app_test;

namespace {
using A = CHESS_APP_STATE_CONSTANTS;
} // namespace

class Openings : public APP_TEST {
  protected:
    // A game after 1. e4 with the player, Black, to move: loaded, so its first opening name
    // has gone by already.
    void load_after_e4() {
        load(save_game_file("e4.txt", game_of({"e2e4"}), level1(2), "ada"));
        ASSERT_EQ(manager->state(), A::state_player_turn);
    }

    int32_t chat_count(const std::string& line) const {
        return static_cast<int32_t>(std::count(ui.chat.begin(), ui.chat.end(), line));
    }
};

TEST_F(Openings, VarietyIsOnByDefaultAndKeptInTheSettings) {
    store.values.erase("VaryOpenings");
    EXPECT_TRUE(start().vary_openings());
    manager->set_vary_openings(false);
    EXPECT_EQ(store.values["VaryOpenings"], "false");
    EXPECT_FALSE(restart().vary_openings());
    manager->set_vary_openings(true);
    EXPECT_TRUE(restart().vary_openings());
    store.values["VaryOpenings"] = "0";
    EXPECT_FALSE(restart().vary_openings());
}

// With variety on her reply to 1. e4 comes from the book and changes with the seed; with it off
// the search answers, the same every time.
TEST_F(Openings, HerFirstMoveAsBlackVariesWithTheSeed) {
    start();
    const CHESS_GAME after_e4 = game_of({"e2e4"});
    const auto& offered = CHESS_OPENING_BOOK::instance().continuations(after_e4.board());
    std::set<std::string> with_variety;
    std::set<std::string> without;
    for (int32_t seed = 1; seed <= 12; ++seed) {
        for (const bool vary : {true, false}) {
            manager->set_vary_openings(vary);
            manager->seed_openings(seed);
            new_game(level1(1));
            play("e2e4");
            computer_answers();
            ASSERT_EQ(manager->game().move_count(), 2);
            const CHESS_MOVE reply = manager->game().last_move();
            if (vary) {
                EXPECT_TRUE(std::any_of(offered.begin(), offered.end(), [&](const auto& c) {
                    return c.move == reply;
                })) << reply.uci_text();
                with_variety.insert(reply.uci_text());
            } else {
                without.insert(reply.uci_text());
            }
            manager->resign_prompt();
            manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
            ASSERT_EQ(manager->state(), A::state_game_over);
        }
    }
    EXPECT_GE(with_variety.size(), 2u);
    EXPECT_EQ(without.size(), 1u);
}

// The test persona has no @OPENING group: the notice comes, she says nothing of it.
TEST_F(Openings, TheChatNamesTheSicilianOnceAGame) {
    start();
    load_after_e4();
    const std::size_t velmora_lines = ui.velmora_lines().size();
    play("c7c5");
    EXPECT_TRUE(ui.chat_has("[OPENING: Sicilian Defense]")) << ui.chat_text();
    EXPECT_EQ(chat_count("[OPENING: King's Pawn Game]"), 0);
    EXPECT_EQ(ui.velmora_lines().size(), velmora_lines);
    computer_answers();
    manager->undo();
    ASSERT_EQ(manager->game().move_count(), 1);
    play("c7c5");
    EXPECT_EQ(chat_count("[OPENING: Sicilian Defense]"), 1);
}

TEST_F(Openings, APersonaWithTheGroupReactsWithTheOpeningsName) {
    {
        std::ofstream persona(install / "velmora_chess.dat", std::ios::app | std::ios::binary);
        persona << "[@OPENING]\nT Ah, the $opening!\n";
    }
    const VELMORA_SEAL seal((install / "velmora_chess.dat").string());
    ASSERT_FALSE(seal.failed()) << seal.error_message();
    start();
    ASSERT_FALSE(manager->failed());
    load_after_e4();
    play("c7c5");
    EXPECT_TRUE(contains(ui.velmora_lines(), "Ah, the Sicilian Defense!"));
}
