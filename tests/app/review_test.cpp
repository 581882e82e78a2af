// After a game she offers to look at it together: the analysis runs beside the window, then she
// walks through the turning points on the board and the board comes back to the game's end. The
// review never changes the game, its history or the last game on the disk.
#include "app_test_support.h"
#include "persona/velmora_seal.h"

#include <array>
#include <chrono>
#include <thread>

using namespace app_test;

namespace {

using A = CHESS_APP_STATE_CONSTANTS;

constexpr int32_t square(const char* name) {
    return (name[1] - '1') * 8 + (name[0] - 'a') + 1;
}

// White leaves the queen to the bishop, she does not take it, White then gives the queen for the
// bishop and later loses a knight: two blunders of the player and one mistake of hers.
std::vector<std::string> hung_queen_game() {
    return {"e2e4", "d7d5", "d1g4", "a7a6", "g4c8", "d8c8",
            "b1c3", "d5e4", "c3e4", "c8f5", "e4d6", "e7d6"};
}

struct POINT {
    int32_t shown_ply; // the position before the move
    std::array<int32_t, 4> arrows;
    std::string notice;
};

const std::vector<POINT> hung_queen_points = {
    {2,
     {square("d1"), square("g4"), square("e4"), square("d5")},
     "[REVIEW: move 2, Qg4 \u2014 better exd5, loses 9.6]"},
    {3,
     {square("a7"), square("a6"), square("c8"), square("g4")},
     "[REVIEW: move 2, a6 \u2014 better Bxg4, loses 8.8]"},
    {4,
     {square("g4"), square("c8"), square("g4"), square("f3")},
     "[REVIEW: move 3, Qxc8 \u2014 better Qf3, loses 5.0]"},
};

class Review : public APP_TEST {
  protected:
    void SetUp() override {
        APP_TEST::SetUp();
        start();
    }

    // The game loaded with the player to move, then resigned: the game is over.
    void resigned_game(const std::vector<std::string>& moves) {
        load(save_game_file("review.txt", game_of(moves), level1(1), "player"));
        ASSERT_EQ(manager->state(), A::state_player_turn);
        ASSERT_EQ(manager->game().move_count(), static_cast<int32_t>(moves.size()));
        follow("RESIGN_GAME");
        ASSERT_EQ(manager->state(), A::state_game_over);
    }

    void follow(const std::string& id) { manager->follow_link(CHESS_LINK_DATA(id, id)); }

    bool chat_offers(const std::string& id) const {
        for (const CHESS_GUI_CHAT_SENTENCE& sentence : ui.sentences) {
            for (const CHESS_GUI_CHAT_PHRASE& phrase : sentence.phrases) {
                if (phrase.is_link && phrase.link_data->identifier == id) {
                    return true;
                }
            }
        }
        return false;
    }

    // Ticks the review as the window's review timer does, until the analysis has finished.
    void analysis_finishes() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
        while (ui.review_progress && std::chrono::steady_clock::now() < deadline) {
            manager->review_tick();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        ASSERT_FALSE(ui.review_progress) << "the analysis never finished";
    }

    // The board shows exactly the pieces of position.
    bool board_shows(const CHESS_POSITION& position) const {
        for (int32_t s = 1; s <= 64; ++s) {
            if (ui.board->item(s) != position.item(s)) {
                return false;
            }
        }
        return true;
    }

    std::string last_game() const { return read_file((install / "lastgame.txt").string()); }
};

} // namespace

TEST_F(Review, EveryEndOfAGameOffersTheReview) {
    resigned_game({"e2e4", "e7e5"});
    EXPECT_TRUE(ui.chat_has("Shall we look at the game together?"));
    EXPECT_TRUE(chat_offers("REVIEW_GAME"));

    ui.chat.clear();
    ui.sentences.clear();
    load(save_game_file("mate.txt", game_of({"f2f3", "e7e5", "g2g4"}), level1(2), "player"));
    play("d8h4");
    ASSERT_EQ(manager->state(), A::state_game_over);
    EXPECT_TRUE(chat_offers("REVIEW_GAME"));

    ui.chat.clear();
    ui.sentences.clear();
    load(save_game_file("stalemate.txt", game_of(loyd_before_stalemate()), level1(1), "player"));
    play("c8e6");
    ASSERT_EQ(manager->state(), A::state_game_over);
    EXPECT_TRUE(ui.chat_has("[STALE-MATE]"));
    EXPECT_TRUE(chat_offers("REVIEW_GAME"));
}

TEST_F(Review, TheWalkShowsEachPointBeforeItsMoveAndEndsOnTheLastPosition) {
    resigned_game(hung_queen_game());
    const std::string saved = last_game();
    const std::vector<std::string> history = ui.history;
    ASSERT_FALSE(saved.empty());

    follow("REVIEW_GAME");
    ASSERT_TRUE(ui.review_progress);
    EXPECT_EQ(ui.review_progress->second, 12);
    EXPECT_TRUE(manager->review_running());
    analysis_finishes();

    for (size_t i = 0; i < hung_queen_points.size(); ++i) {
        const POINT& point = hung_queen_points[i];
        SCOPED_TRACE(point.notice);
        if (i > 0) {
            follow("REVIEW_NEXT");
        }
        ASSERT_TRUE(manager->review_shown());
        EXPECT_EQ(manager->current_ply(), point.shown_ply);
        EXPECT_EQ(ui.marked_ply, point.shown_ply);
        ASSERT_TRUE(ui.board);
        EXPECT_TRUE(board_shows(manager->game().history()[point.shown_ply].board));
        EXPECT_EQ(ui.review_moves, point.arrows);
        EXPECT_TRUE(ui.chat_has(point.notice)) << ui.chat_text();
        EXPECT_TRUE(ui.chat_has("next   done")) << ui.chat_text();
    }
    EXPECT_TRUE(chat_offers("REVIEW_NEXT"));
    EXPECT_TRUE(chat_offers("REVIEW_DONE"));

    follow("REVIEW_DONE");
    EXPECT_FALSE(manager->review_shown());
    EXPECT_EQ(manager->current_ply(), 12);
    EXPECT_FALSE(ui.marked_ply);
    EXPECT_FALSE(ui.review_moves);
    ASSERT_TRUE(ui.board);
    EXPECT_TRUE(board_shows(manager->game().board()));
    EXPECT_EQ(ui.board->item(square("d6")), 7) << "black's pawn took the knight on d6";

    // Nothing of the game changed.
    EXPECT_EQ(manager->game().move_count(), 12);
    EXPECT_EQ(manager->state(), A::state_game_over);
    EXPECT_EQ(ui.history, history);
    EXPECT_EQ(last_game(), saved);

    // Stepping past the last point ends the walk too; asked again, she walks from the start
    // without analysing again.
    const int analyses = ui.count("show_review_progress");
    follow("REVIEW_GAME");
    EXPECT_EQ(ui.count("show_review_progress"), analyses);
    EXPECT_EQ(manager->current_ply(), hung_queen_points[0].shown_ply);
    for (size_t i = 0; i < hung_queen_points.size(); ++i) {
        follow("REVIEW_NEXT");
    }
    EXPECT_FALSE(manager->review_shown());
    EXPECT_EQ(manager->current_ply(), 12);
    follow("REVIEW_DONE");
    EXPECT_TRUE(ui.chat_has("[The review is over]"));
    EXPECT_EQ(last_game(), saved);
}

TEST_F(Review, HerLinesComeFromTheReviewGroupsWithTheMoveVariables) {
    const std::string path = (install / "velmora_chess.dat").string();
    std::string persona = read_file(path);
    for (const char* group : {"BLUNDER", "MISTAKE", "MISSED_WIN", "BEST_MOVE", "HER_MISTAKE"}) {
        persona += std::string("\n[@REVIEW_") + group + "]\nT " + group +
                   ": $move_number $played $better $loss\n";
    }
    persona += "\n[@REVIEW_CLEAN_GAME]\nT A clean game, $player.\n";
    write_file(path, persona);
    ASSERT_FALSE(VELMORA_SEAL(path).failed());
    restart();

    resigned_game(hung_queen_game());
    follow("REVIEW_GAME");
    analysis_finishes();
    follow("REVIEW_NEXT");
    follow("REVIEW_NEXT");
    const std::vector<std::string> said = ui.velmora_lines();
    ASSERT_GE(said.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(said.end() - 3, said.end()),
              (std::vector<std::string>{"BLUNDER: 2 Qg4 exd5 9.6", "HER_MISTAKE: 2 a6 Bxg4 8.8",
                                        "BLUNDER: 3 Qxc8 Qf3 5.0"}));
    EXPECT_FALSE(ui.chat_has(hung_queen_points[0].notice));

    follow("REVIEW_DONE");
    resigned_game({"e2e4", "e7e5"});
    follow("REVIEW_GAME");
    analysis_finishes();
    EXPECT_EQ(ui.velmora_lines().back(), "A clean game, player.");
    EXPECT_FALSE(manager->review_shown());
    EXPECT_FALSE(manager->review_running());
    EXPECT_EQ(manager->current_ply(), 2);
    // Said once; asked again, she says it again without a new analysis.
    const size_t lines = ui.velmora_lines().size();
    manager->review_tick();
    EXPECT_EQ(ui.velmora_lines().size(), lines);
    follow("REVIEW_GAME");
    EXPECT_EQ(ui.velmora_lines().size(), lines + 1);
    EXPECT_FALSE(ui.review_progress);
}

TEST_F(Review, ANewGameALoadAnUndoOrClosingEndsTheAnalysisAtOnce) {
    using S = CHESS_SHORTCUT_CONSTANTS;
    const std::vector<std::pair<std::string, std::function<void()>>> actions = {
        {"new game", [this] { new_game(level1(1)); }},
        {"load", [this] { load(save_game_file("other.txt", game_of({"d2d4"}), level1(2), "x")); }},
        {"undo", [this] { manager->command(S::shortcut_undo); }},
        {"close", [this] { manager->autosave(); }},
    };
    for (const auto& [name, action] : actions) {
        SCOPED_TRACE(name);
        fs::remove(install / "lastgame.txt"); // each round starts without a game
        restart();
        resigned_game(hung_queen_game());
        follow("REVIEW_GAME");
        ASSERT_TRUE(manager->review_running());
        action();
        EXPECT_FALSE(manager->review_running());
        EXPECT_FALSE(ui.review_progress);
        const size_t said = ui.chat.size();
        manager->review_tick();
        EXPECT_EQ(ui.chat.size(), said) << "no turning point comes after the end";
        EXPECT_FALSE(manager->review_shown());
    }
}

TEST_F(Review, TheLinksOutsideAReviewOnlyExplainThemselves) {
    follow("REVIEW_GAME");
    EXPECT_TRUE(ui.chat_has("[No finished game to review]"));
    new_game(level1(1));
    follow("REVIEW_GAME");
    EXPECT_FALSE(ui.review_progress);
    follow("REVIEW_NEXT");
    EXPECT_TRUE(ui.chat_has("[The review is over]"));
    EXPECT_EQ(manager->game().move_count(), 0);
}
