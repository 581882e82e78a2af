// Closing the real window at awkward moments: while the computer's move slides across the
// board, and when neither the installation folder nor the per-user folder can take the last
// game. The program always closes, nothing crashes, and what is written is complete.
#include "board_view/chess_gui_board.h"
#include "desktop_home.h"
#include "main_window_fixture.h"
#include "saved_games/chess_game_file.h"
#include "windows/chess_desktop_settings_store.h"

#include <QTimer>

namespace {

constexpr int32_t e2 = 13, e4 = 29;

// Closes the window from the first repaint of the board during an animation, as a close
// request handled while the board is painting would.
class CLOSE_DURING_ANIMATION : public QObject {
  public:
    explicit CLOSE_DURING_ANIMATION(CHESS_MAIN_WINDOW& window) : window_(window) {}
    bool closed = false;
    int32_t plies_at_close = -1;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!closed && event->type() == QEvent::Paint && window_.chess_ctrl->is_animating()) {
            closed = true;
            plies_at_close = window_.manager()->game().move_count();
            window_.close();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    CHESS_MAIN_WINDOW& window_;
};

using HardeningWindow = MAIN_WINDOW_TEST;

TEST_F(HardeningWindow, ClosingDuringTheComputersAnimation) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    CLOSE_DURING_ANIMATION closer(w);
    w.chess_ctrl->installEventFilter(&closer);
    w.on_board_move(e2, e4, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return closer.closed; }, 10000));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(closer.plies_at_close, 2); // her move is played before it is shown

    CHESS_GAME_FILE written((install / "lastgame.txt").string());
    written.read();
    ASSERT_FALSE(written.failed()) << written.error_message();
    EXPECT_EQ(written.saved_game().game.move_count(), 2);
    EXPECT_TRUE(written.saved_game().game.board() == manager().game().board());
    // Nothing changes after the close: ticks, clicks and menu commands are ignored.
    const std::string bytes = read_file(install / "lastgame.txt");
    QTest::qWait(2200);
    w.on_menu_command(S::shortcut_undo);
    EXPECT_EQ(manager().game().move_count(), 2);
    EXPECT_EQ(read_file(install / "lastgame.txt"), bytes);

    w.chess_ctrl->removeEventFilter(&closer);
    start_window();
    EXPECT_EQ(manager().state(), A::state_player_turn);
    EXPECT_EQ(manager().game().move_count(), 2);
}

// The real settings store: InstallPath names a folder no file can be made in, and the per-user
// data folder lies under a plain file. Closing still ends the event loop with exit code 0.
TEST_F(HardeningWindow, NowhereToWriteTheLastGameWithTheRealSettings) {
    std::filesystem::create_directory(install / ".velmora_write_test");
    std::filesystem::create_directories(DESKTOP_HOME::config() / "Kwo");
    std::ofstream(DESKTOP_HOME::config() / "Kwo" / "VelMoraChess.conf")
        << "[General]\nInstallPath=" << install.string() << "\n";
    const CHESS_DESKTOP_SETTINGS_STORE settings;
    ASSERT_EQ(settings.value("InstallPath"), install.string());

    CHESS_MAIN_WINDOW w(settings);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.start();
    ASSERT_FALSE(w.failed_to_initialize());
    QTimer::singleShot(0, &w, [this, &w] {
        answer_new_game(1, true);
        w.on_menu_command(S::shortcut_new_game);
        w.on_board_move(e2, e4, 0);
    });
    QTimer::singleShot(2500, &w, [&w] { w.close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_GE(w.manager()->game().move_count(), 1);
    // The only box is the start's note that there is no video; closing shows none.
    EXPECT_EQ(errors.size(), 1u);
    for (const std::string& error : errors) {
        EXPECT_NE(error.find("Webcam disabled"), std::string::npos) << error;
    }
    EXPECT_FALSE(std::filesystem::exists(install / "lastgame.txt"));
    EXPECT_TRUE(std::filesystem::is_regular_file(DESKTOP_HOME::data()));
}

} // namespace
