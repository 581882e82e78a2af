// The review in the window: after a resignation the player clicks her offer in the chat, the
// progress bar shows while the analysis runs, then each turning point puts the position before
// its move on the board with the move played and the better one as arrows; "done" brings back
// the last position. A new game while the analysis runs ends it.
#include "board_view/chess_gui_board.h"
#include "main_window_fixture.h"
#include "presentation/chess_gui_chat_output.h"
#include "saved_games/chess_game_file.h"
#include "windows/chess_gui_history.h"

#include <QProgressBar>
#include <algorithm>
#include <array>

namespace {

constexpr int32_t square(const char* name) {
    return (name[1] - '1') * 8 + (name[0] - 'a') + 1;
}

using MARK = CHESS_GUI_BOARD_MARK;

// White leaves the queen to the bishop, she does not take it, White then gives the queen for the
// bishop: two blunders of the player and one mistake of hers, shown in the order of the game.
const std::vector<std::string> hung_queen_game = {"e2e4", "d7d5", "d1g4", "a7a6", "g4c8", "d8c8",
                                                  "b1c3", "d5e4", "c3e4", "c8f5", "e4d6", "e7d6"};

struct POINT {
    int32_t shown_ply;
    MARK played;
    MARK better;
    QString notice;
};

const std::array<POINT, 3> points = {{
    {2,
     {MARK::played_move, square("d1"), square("g4")},
     {MARK::better_move, square("e4"), square("d5")},
     QStringLiteral("[REVIEW: move 2, Qg4 \u2014 better exd5, loses 9.6]")},
    {3,
     {MARK::played_move, square("a7"), square("a6")},
     {MARK::better_move, square("c8"), square("g4")},
     QStringLiteral("[REVIEW: move 2, a6 \u2014 better Bxg4, loses 8.8]")},
    {4,
     {MARK::played_move, square("g4"), square("c8")},
     {MARK::better_move, square("g4"), square("f3")},
     QStringLiteral("[REVIEW: move 3, Qxc8 \u2014 better Qf3, loses 5.0]")},
}};

class ReviewWindow : public MAIN_WINDOW_TEST {
  protected:
    // The window resumes the prepared game with the player (White) to move.
    CHESS_MAIN_WINDOW& start_on_prepared_game() {
        CHESS_GAME game;
        for (const std::string& text : hung_queen_game) {
            const std::vector<CHESS_MOVE> legal = game.legal_moves();
            const auto move = std::find_if(legal.begin(), legal.end(), [&](const CHESS_MOVE& m) {
                return m.uci_text() == text;
            });
            EXPECT_NE(move, legal.end()) << text;
            game.make_move(*move);
        }
        CHESS_GAME_OPTIONS options;
        options.player_color = 1;
        CHESS_GAME_FILE file((install / "lastgame.txt").string());
        file.write(game, options, "player", false);
        EXPECT_FALSE(file.failed()) << file.error_message();
        CHESS_MAIN_WINDOW& w = start_window();
        EXPECT_EQ(manager().game().move_count(), 12);
        EXPECT_EQ(manager().state(), A::state_player_turn);
        return w;
    }

    // Clicks the newest link of the chat with that identifier, as the player would.
    void click_link(const std::string& identifier) {
        const auto& items = window->chat_output->links().items();
        const auto found = std::find_if(items.rbegin(), items.rend(), [&](const auto& item) {
            return item.link_data.identifier == std::optional<std::string>(identifier);
        });
        ASSERT_NE(found, items.rend()) << identifier;
        QTest::mouseClick(window->chat_output->viewport(), Qt::LeftButton, {},
                          window->chat_output->character_point(found->start_position));
    }

    // Resigns from the menu and confirms with the chat's link: the game is over.
    void resign() {
        window->on_menu_command(S::shortcut_resign);
        click_link("RESIGN_GAME");
        ASSERT_EQ(manager().state(), A::state_game_over);
    }

    std::vector<MARK> review_marks() const {
        std::vector<MARK> marks = window->chess_ctrl->shown_marks();
        std::erase_if(marks, [](const MARK& mark) { return !mark.is_arrow(); });
        return marks;
    }

    bool board_shows(const CHESS_POSITION& position) const {
        for (int32_t s = 1; s <= 64; ++s) {
            if (window->chess_ctrl->board_info().item(s) != position.item(s)) {
                return false;
            }
        }
        return true;
    }

    QString chat() const { return window->chat_output->toPlainText(); }
};

} // namespace

TEST_F(ReviewWindow, TheTurningPointsAreSteppedThroughOnTheBoardAndDoneReturnsToTheEnd) {
    CHESS_MAIN_WINDOW& w = start_on_prepared_game();
    const std::string saved = read_file(install / "lastgame.txt");
    resign();
    EXPECT_TRUE(chat().contains(QStringLiteral("Shall we look at the game together?")));
    EXPECT_FALSE(w.review_progress->isVisible());

    click_link("REVIEW_GAME");
    EXPECT_TRUE(w.review_progress->isVisible());
    EXPECT_EQ(w.review_progress->maximum(), 12);
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager().review_shown(); }, 120000));
    EXPECT_FALSE(w.review_progress->isVisible());

    for (size_t i = 0; i < points.size(); ++i) {
        const POINT& point = points[i];
        SCOPED_TRACE(point.notice.toStdString());
        if (i > 0) {
            click_link("REVIEW_NEXT");
        }
        EXPECT_EQ(manager().current_ply(), point.shown_ply);
        EXPECT_TRUE(board_shows(manager().game().history()[point.shown_ply].board));
        EXPECT_EQ(review_marks(), (std::vector<MARK>{point.played, point.better}));
        EXPECT_TRUE(w.hist_list->ply_text(point.shown_ply).startsWith(QStringLiteral("> ")));
        EXPECT_TRUE(chat().contains(point.notice)) << chat().toStdString();
    }

    click_link("REVIEW_DONE");
    EXPECT_FALSE(manager().review_shown());
    EXPECT_EQ(manager().current_ply(), 12);
    EXPECT_TRUE(board_shows(manager().game().board()));
    EXPECT_TRUE(review_marks().empty());
    EXPECT_FALSE(w.hist_list->has_mark());
    EXPECT_EQ(manager().game().move_count(), 12);
    EXPECT_EQ(manager().state(), A::state_game_over);

    // The resignation was written; the review added nothing to it.
    const std::string resigned = read_file(install / "lastgame.txt");
    EXPECT_NE(resigned, saved);
    w.close();
    EXPECT_EQ(read_file(install / "lastgame.txt"), resigned);
}

TEST_F(ReviewWindow, ANewGameDuringTheAnalysisEndsIt) {
    CHESS_MAIN_WINDOW& w = start_on_prepared_game();
    resign();
    click_link("REVIEW_GAME");
    ASSERT_TRUE(w.review_progress->isVisible());
    ASSERT_TRUE(manager().review_running());

    new_game();
    EXPECT_FALSE(manager().review_running());
    EXPECT_FALSE(w.review_progress->isVisible());
    EXPECT_EQ(manager().game().move_count(), 0);
    EXPECT_EQ(manager().state(), A::state_player_turn);

    QTest::qWait(3 * CHESS_MAIN_WINDOW::review_period_ms);
    EXPECT_FALSE(manager().review_shown());
    EXPECT_FALSE(chat().contains(QStringLiteral("[REVIEW:")));
    EXPECT_TRUE(review_marks().empty());
}
