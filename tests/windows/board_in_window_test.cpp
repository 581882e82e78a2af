// Moves made with the mouse on the real board inside the main window, promotions through the
// prompt in both orientations, the computer's reply animated, and screenshots of the window.
#include "board_view/chess_gui_board.h"
#include "history_cells.h"
#include "main_window_fixture.h"
#include "saved_games/chess_game_file.h"
#include "windows/chess_gui_history.h"
#include "windows/chess_gui_image_button.h"
#include "windows/new_game_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QSlider>

namespace {

constexpr int32_t e2 = 13, e4 = 29, e5 = 37, g7 = 55, g8 = 63;

class BoardInWindow : public MAIN_WINDOW_TEST {
  protected:
    // A point of square s in the board control's coordinates, inside its piece.
    QPoint at(int32_t s) const {
        CHESS_GUI_TRANSFORM tf = window->chess_ctrl->transform();
        tf.compute_square(s);
        return {tf.piece_x + 17, tf.piece_y + 17};
    }

    void drag(int32_t from, int32_t to) {
        CHESS_GUI_BOARD* board = window->chess_ctrl;
        QTest::mousePress(board, Qt::LeftButton, {}, at(from));
        QTest::mouseMove(board, (at(from) + at(to)) / 2);
        QTest::mouseMove(board, at(to));
        QTest::mouseRelease(board, Qt::LeftButton, {}, at(to));
    }

    // Loads the game of these moves, white to move after them.
    void load_game(const std::vector<const char*>& moves) {
        CHESS_GAME game;
        for (const char* text : moves) {
            for (const CHESS_MOVE& m : game.legal_moves()) {
                if (m.uci_text() == text) {
                    game.make_move(m);
                    break;
                }
            }
        }
        ASSERT_EQ(game.move_count(), static_cast<int32_t>(moves.size()));
        const std::string path = (root / "loaded.txt").string();
        CHESS_GAME_FILE(path).write(game, CHESS_GAME_OPTIONS(), "player", false);
        answers.push_back([path](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            files.selectFile(QString::fromStdString(path));
            dialog.accept();
        });
        window->on_menu_command(S::shortcut_load_game);
        ASSERT_EQ(manager().game().move_count(), static_cast<int32_t>(moves.size()));
        ASSERT_EQ(manager().state(), A::state_player_turn);
    }

    // A game in which white's pawn on g7 is about to promote, white to move.
    void load_promotion_game() {
        load_game({"h2h4", "g7g5", "h4g5", "h7h6", "g5h6", "f8g7", "h6g7", "g8f6"});
    }

    void save_screenshot(QWidget& widget, const QString& name) {
        const QString folder = QStringLiteral(VELMORA_BUILD_DIR "/screenshots");
        QDir().mkpath(folder);
        EXPECT_TRUE(widget.grab().save(folder + QStringLiteral("/") + name));
    }
};

class PAINT_COUNTER : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(BoardInWindow, ADraggedMoveReachesTheGameAndTheReplyIsAnimated) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    ASSERT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_waiting);
    drag(e2, e5); // not a legal destination: the piece goes back
    EXPECT_EQ(manager().game().move_count(), 0);
    EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_waiting);

    drag(e2, e4);
    ASSERT_EQ(manager().game().move_count(), 1);
    EXPECT_EQ(manager().state(), A::state_thinking);
    EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_disabled);
    EXPECT_EQ(w.chess_ctrl->board_info().item(e4), 1);

    PAINT_COUNTER counter;
    w.chess_ctrl->installEventFilter(&counter);
    ASSERT_TRUE(wait_for_state(A::state_player_turn, 3000));
    w.chess_ctrl->removeEventFilter(&counter);
    EXPECT_GE(counter.paints, 8) << "the reply slides over the board step by step";
    EXPECT_EQ(manager().game().move_count(), 2);
    EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_waiting);
    save_screenshot(w, QStringLiteral("main_window_game.png"));
}

TEST_F(BoardInWindow, PromotionIsChosenInThePromptInBothOrientations) {
    struct CASE {
        bool flipped;
        int slot;
        int32_t piece;
        const char* suffix;
    };
    for (const CASE& c : {CASE{false, 3, 2, "=B"}, CASE{true, 4, 3, "=N"}}) {
        SCOPED_TRACE(c.suffix);
        CHESS_MAIN_WINDOW& w = start_window();
        load_promotion_game();
        if (c.flipped) {
            QTest::mouseClick(w.rotate_switch, Qt::LeftButton);
            ASSERT_EQ(w.chess_ctrl->bottom_side(), 2);
        }
        drag(g7, g8);
        ASSERT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_promoting);
        if (!c.flipped) {
            save_screenshot(w, QStringLiteral("promotion_prompt_window.png"));
        }
        QTest::mouseClick(w.chess_ctrl, Qt::LeftButton, {},
                          QPoint(134 + (c.slot - 1) * 40 + 17, 200));
        ASSERT_EQ(manager().game().move_count(), 9);
        EXPECT_EQ(manager().game().history().back().move.promoted_piece(), c.piece);
        EXPECT_TRUE(w.hist_list->ply_text(8).endsWith(QString::fromLatin1(c.suffix)))
            << w.hist_list->ply_text(8).toStdString();
        window->close();
        window.reset();
        std::filesystem::remove(install / "lastgame.txt"); // the next start begins afresh
    }
}

// Past move twelve, with an en-passant capture and castling on both sides, and one more move
// each with the mouse and by the computer: every cell of the history shows whole.
TEST_F(BoardInWindow, ALongGameShowsEveryHistoryCellWhole) {
    CHESS_MAIN_WINDOW& w = start_window();
    load_game({"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "c7d6", "g1f3", "g8f6", "b1c3",
               "b8c6", "f1c4", "e7e6", "d2d3", "f8e7", "c1g5", "e8g8", "d1d2", "h7h6",
               "g5h4", "b7b5", "c4b3", "c8b7", "e1c1", "a8a7", "h1e1", "d8b8"});
    drag(15, 23); // g2-g3
    ASSERT_TRUE(wait_for_state(A::state_player_turn, 5000));
    CHESS_GUI_HISTORY& list = *w.hist_list;
    ASSERT_EQ(list.current_ply(), 28);
    EXPECT_EQ(list.ply_text(4), QStringLiteral("e5xd6 e.p."));
    EXPECT_EQ(list.ply_text(22), QStringLiteral("o-o-o"));
    EXPECT_EQ(list.topLevelItem(13)->text(0), QStringLiteral(" 14."));
    expect_every_cell_whole(list);
    EXPECT_EQ(list.geometry(), QRect(482, 66, 182, 244));
    save_screenshot(w, QStringLiteral("main_window_long_game.png"));
}

TEST_F(BoardInWindow, Screenshots) {
    CHESS_MAIN_WINDOW& w = start_window();
    save_screenshot(w, QStringLiteral("main_window_start.png"));
    answers.push_back([this](QDialog& dialog) {
        auto& new_game = dynamic_cast<NEW_GAME_DIALOG&>(dialog);
        new_game.skill_slider->setValue(12);
        save_screenshot(new_game, QStringLiteral("new_game_dialog.png"));
        dialog.reject();
    });
    w.on_menu_command(S::shortcut_new_game);
    EXPECT_EQ(asked, std::vector<std::string>{"new_game_dialog"});
}

} // namespace
