// Long sessions through the application manager: a game longer than the repetition table's
// first size, and hundreds of games in a row without the memory growing.
#include "session_support.h"

#include <gtest/gtest.h>

namespace {

using namespace app_test;
using namespace hardening;
using A = CHESS_APP_STATE_CONSTANTS;
using S = CHESS_SHORTCUT_CONSTANTS;

constexpr int games_in_a_row = 500;

class LongSession : public APP_TEST {
  protected:
    // The player's move: a legal move drawn with the session's generator.
    void play_some_move() {
        const std::vector<CHESS_MOVE> legal = manager->game().legal_moves();
        ASSERT_FALSE(legal.empty());
        std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
        const CHESS_MOVE& chosen = legal[pick(random)];
        manager->player_move(chosen.src, chosen.dst, chosen.promoted_piece());
        manager->clip_end();
        computer_answers();
        manager->clip_end();
    }

    std::mt19937 random{2137};
};

// 2201 plies loaded through the load command, the computer to move: her search sees a game
// longer than the repetition table's first size; then play, a hint, undo, save and resume.
TEST_F(LongSession, GameLongerThanTheRepetitionTable) {
    const std::vector<std::string> moves = long_quiet_game(2201);
    ASSERT_GT(moves.size(), 2137u);
    const CHESS_GAME prepared = game_of(moves);
    ASSERT_FALSE(prepared.is_over());
    start();
    load(save_game_file("marathon.txt", prepared, level1(), "Marathon"));
    ASSERT_EQ(manager->state(), A::state_thinking);
    manager->tick();
    ASSERT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(manager->game().move_count(), 2202);
    EXPECT_EQ(ui.history.size(), 2202u);

    // The player follows her hints: every search, hint or answer, sees the whole long game.
    for (int i = 0; i < 10 && manager->state() == A::state_player_turn; ++i) {
        manager->command(S::shortcut_hint);
        manager->tick();
        ASSERT_EQ(ui.chat.back().rfind("Try ", 0), 0u);
        manager->follow_link(*ui.sentences.back().phrases[1].link_data);
        computer_answers();
    }
    const int32_t played = manager->game().move_count();
    EXPECT_GT(played, 2202);
    EXPECT_EQ(ui.history.size(), static_cast<std::size_t>(played));
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->game().move_count(), played - 2);
    EXPECT_EQ(manager->state(), A::state_player_turn);

    const CHESS_GAME kept = manager->game();
    manager->autosave();
    restart();
    EXPECT_EQ(manager->game().move_count(), kept.move_count());
    EXPECT_TRUE(manager->game().board() == kept.board());
}

// Games at level 1, alternating colours, each played out by a random player until it ends or
// resigned after sixty moves. The memory after the first tenth of the games is the reference.
TEST_F(LongSession, HundredsOfGamesWithoutMemoryGrowth) {
    start();
    int64_t reference = 0;
    int finished = 0;
    for (int game = 1; game <= games_in_a_row; ++game) {
        new_game(level1(game % 2 == 1 ? 1 : 2));
        computer_answers();
        for (int move = 0; move < 60 && manager->state() == A::state_player_turn; ++move) {
            play_some_move();
        }
        if (manager->state() == A::state_player_turn) {
            manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
        } else {
            ++finished;
        }
        ASSERT_EQ(manager->state(), A::state_game_over) << "game " << game;
        forget_recordings(ui);
        if (game == games_in_a_row / 10) {
            reference = resident_bytes();
        }
    }
    EXPECT_GT(finished, 0);
    const int64_t growth = resident_bytes() - reference;
    RecordProperty("rss_growth_bytes", std::to_string(growth));
#ifndef VELMORA_SANITIZED // the sanitizer's own bookkeeping grows; it checks for leaks instead
    EXPECT_LT(growth, 4 << 20) << "resident memory grew by " << growth << " bytes";
#endif
}

} // namespace
