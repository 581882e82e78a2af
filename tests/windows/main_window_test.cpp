// The main window with the real manager: start-up and its failures, the timer's computer reply,
// menus greyed while thinking, links, history browsing, nickname, flipping, the webcam's pacing,
// autosave on close and closing during a search.
#include "board_view/chess_gui_board.h"
#include "main_window_fixture.h"
#include "presentation/chess_gui_chat_menu.h"
#include "presentation/chess_gui_chat_output.h"
#include "presentation/chess_gui_video.h"
#include "windows/chess_gui_history.h"
#include "windows/chess_gui_history_scroll.h"
#include "windows/chess_gui_image_button.h"
#include "windows/chess_gui_static.h"
#include "windows/debug_dialog.h"
#include "windows/new_game_dialog.h"
#include "windows/nickname_dialog.h"
#include "windows/velmora_chess.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

namespace {

constexpr int32_t e2 = 13, e4 = 29, e7 = 53, e5 = 37, g1 = 7, f3 = 22;

std::vector<int32_t> enabled_commands(const CHESS_GUI_CHAT_MENU& menu) {
    std::vector<int32_t> ids;
    for (int32_t id = 1; id <= 10; ++id) {
        if (menu.is_command_enabled(id)) {
            ids.push_back(id);
        }
    }
    return ids;
}

class MainWindow : public MAIN_WINDOW_TEST {};

TEST_F(MainWindow, StartsWithoutVideoWithOneBoxAndTheWebcamSwitchOff) {
    CHESS_MAIN_WINDOW& w = start_window();
    ASSERT_FALSE(w.failed_to_initialize());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Initialization Error: Webcam disabled. (no such file: " +
                             (install / "velmora_chess.avi").string() + ")");
    EXPECT_FALSE(w.chat_video_switch->is_on());
    EXPECT_FALSE(w.chat_video_switch->isEnabled());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Velmora Chess v1.2"));
    EXPECT_EQ(w.upper_status_txt->text(), QStringLiteral("no game"));
    EXPECT_EQ(w.lower_status_txt->text(), QStringLiteral("no game"));
    EXPECT_EQ(w.chat_video->caption(), QStringLiteral("Velmora"));
    EXPECT_TRUE(w.timer().isActive());
    EXPECT_EQ(w.timer().interval(), 1000);
    EXPECT_EQ(enabled_commands(*w.chat_menu), (std::vector<int32_t>{1, 3, 7, 9, 10}));
    EXPECT_TRUE(w.chat_output->toPlainText().contains(QStringLiteral("Welcome, player.")));
    EXPECT_EQ(w.size(), QSize(674, 562));
    EXPECT_EQ(w.minimumSize(), QSize(674, 562));
    EXPECT_EQ(w.rotate_switch->toolTip(), QStringLiteral("Flip chess board"));
    EXPECT_EQ(w.chat_video_switch->toolTip(), QStringLiteral("Webcam on/off"));
    EXPECT_EQ(w.chat_icon->toolTip(), QStringLiteral("Chess command menu"));
}

TEST_F(MainWindow, AFailedStartShowsOneBoxClosesAndWritesNothing) {
    store.values.clear(); // no installation directory recorded
    CHESS_MAIN_WINDOW& w = start_window();
    EXPECT_TRUE(w.failed_to_initialize());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Initialization Error: ", 0), 0u);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.timer().isActive());
    w.on_menu_command(S::shortcut_new_game); // ignored
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(std::filesystem::exists(install / "lastgame.txt"));
}

TEST_F(MainWindow, ComputerRepliesByTheTimerWithTheMenuGreyedMeanwhile) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    ASSERT_EQ(manager().state(), A::state_player_turn);
    EXPECT_EQ(w.lower_player_txt->text(), QStringLiteral("player"));
    EXPECT_EQ(w.upper_player_txt->text(), QStringLiteral("Velmora"));
    EXPECT_TRUE(w.lower_arrow->is_on());
    EXPECT_FALSE(w.upper_arrow->is_on());

    w.on_board_move(e2, e4, 0);
    ASSERT_EQ(manager().state(), A::state_thinking);
    EXPECT_TRUE(enabled_commands(*w.chat_menu).empty());
    EXPECT_TRUE(w.thinking());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_TRUE(w.upper_arrow->is_on());
    w.on_board_move(e7, e5, 0); // not the player's turn: ignored
    EXPECT_EQ(manager().game().move_count(), 1);

    ASSERT_TRUE(wait_for_state(A::state_player_turn, 3000)) << "the timer brings the reply";
    EXPECT_EQ(manager().game().move_count(), 2);
    EXPECT_FALSE(w.thinking());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(w.hist_list->ply_text(0), QStringLiteral("e2-e4"));
    EXPECT_FALSE(w.hist_list->ply_text(1).isEmpty());
    EXPECT_EQ(w.hist_scroll->maximum(), 2);
    EXPECT_EQ(enabled_commands(*w.chat_menu), (std::vector<int32_t>{2, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(w.lower_arrow->is_on());
}

TEST_F(MainWindow, AnIllegalDropChangesNothing) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    w.on_board_move(e2, e5, 0);
    EXPECT_EQ(manager().game().move_count(), 0);
    EXPECT_EQ(manager().state(), A::state_player_turn);
}

TEST_F(MainWindow, HistoryBrowsingWithTheScrollBarMarksTheNextMove) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    w.on_board_move(e2, e4, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn, 3000));
    w.on_board_move(g1, f3, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn, 3000));
    ASSERT_EQ(w.hist_scroll->maximum(), 4);

    w.hist_scroll->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(manager().current_ply(), 3);
    EXPECT_TRUE(w.hist_list->ply_text(3).startsWith(QStringLiteral("> ")));
    w.hist_scroll->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(manager().current_ply(), 0);
    EXPECT_EQ(w.hist_list->ply_text(0), QStringLiteral("> e2-e4"));
    EXPECT_FALSE(w.hist_list->ply_text(3).startsWith(QStringLiteral("> ")));
    EXPECT_EQ(w.chess_ctrl->board_info().item(e2), 1) << "the start position is shown";
    EXPECT_FALSE(w.chess_ctrl->board_info().can_move_from(e2))
        << "a past position is not played on";
    w.hist_scroll->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(manager().current_ply(), 4);
    EXPECT_FALSE(w.hist_list->has_mark());
    EXPECT_EQ(w.chess_ctrl->board_info().item(e4), 1);
}

TEST_F(MainWindow, AClickedChatLinkReachesTheManager) {
    CHESS_MAIN_WINDOW& w = start_window();
    const auto& links = w.chat_output->links().items();
    const auto help = std::find_if(links.begin(), links.end(), [](const auto& item) {
        return item.link_data.identifier == std::optional<std::string>("HELP");
    });
    ASSERT_NE(help, links.end());
    EXPECT_FALSE(w.chat_output->toPlainText().contains(QStringLiteral("help text.")));
    QTest::mouseClick(w.chat_output->viewport(), Qt::LeftButton, {},
                      w.chat_output->character_point(help->start_position));
    EXPECT_TRUE(w.chat_output->toPlainText().contains(QStringLiteral("help text.")));
}

TEST_F(MainWindow, NicknameFromTheMenuRenamesThePlayer) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    answers.push_back([](QDialog& dialog) {
        auto& nickname = dynamic_cast<NICKNAME_DIALOG&>(dialog);
        nickname.nickname_edit->setText(QStringLiteral("Neo the One"));
        nickname.done_button->click();
    });
    w.chat_menu->command_action(S::shortcut_nickname)->trigger();
    EXPECT_EQ(asked, (std::vector<std::string>{"new_game_dialog", "nickname_dialog"}));
    EXPECT_EQ(w.lower_player_txt->text(), QStringLiteral("NeotheOn"));
}

TEST_F(MainWindow, FlippingMovesNamesAndArrowAndTheButtonPicture) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    QTest::mouseClick(w.rotate_switch, Qt::LeftButton);
    EXPECT_EQ(w.bottom_side(), 2);
    EXPECT_FALSE(w.rotate_switch->is_on());
    EXPECT_EQ(w.upper_player_txt->text(), QStringLiteral("player"));
    EXPECT_EQ(w.lower_player_txt->text(), QStringLiteral("Velmora"));
    EXPECT_TRUE(w.upper_arrow->is_on());
    EXPECT_FALSE(w.lower_arrow->is_on());
    QTest::mouseClick(w.upper_arrow, Qt::LeftButton); // the arrows never take clicks
    EXPECT_TRUE(w.upper_arrow->is_on());
    QTest::mouseClick(w.rotate_switch, Qt::LeftButton);
    EXPECT_EQ(w.bottom_side(), 1);
    EXPECT_TRUE(w.rotate_switch->is_on());
    EXPECT_EQ(w.lower_player_txt->text(), QStringLiteral("player"));
}

TEST_F(MainWindow, TheCommandIconPopsUpTheMenuLeftOfIt) {
    CHESS_MAIN_WINDOW& w = start_window();
    QTest::mouseClick(w.chat_icon, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.chat_menu->isVisible(); }, 2000));
    const QRect icon(w.mapToGlobal(w.chat_icon->geometry().topLeft()), w.chat_icon->size());
    EXPECT_LE(w.chat_menu->geometry().right(), icon.left());
    // Its top at the icon's middle, unless the screen's bottom edge pushes it up.
    const int wanted_top = icon.top() + icon.height() / 2;
    const int screen_bottom = w.screen()->availableGeometry().bottom();
    EXPECT_EQ(w.chat_menu->geometry().top(),
              std::min(wanted_top, screen_bottom - w.chat_menu->height() + 1));
    w.chat_menu->command_action(S::shortcut_about)->trigger();
    w.chat_menu->hide();
    EXPECT_TRUE(w.chat_output->toPlainText().contains(QStringLiteral("About Velmora.")));
}

// The fixture's settings hold "VaryOpenings" false; a click on the item turns the book on and
// records it, the next turns it off again.
TEST_F(MainWindow, TheMenuItemVaryMyOpeningsShowsAndKeepsTheSetting) {
    CHESS_MAIN_WINDOW& w = start_window();
    QAction* item = w.chat_menu->command_action(CHESS_GUI_CHAT_MENU::vary_openings);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Vary my openings"));
    EXPECT_TRUE(item->isCheckable());
    for (const bool on : {true, false}) {
        EXPECT_EQ(item->isChecked(), !on);
        QTest::mouseClick(w.chat_icon, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.chat_menu->isVisible(); }, 2000));
        QTest::mouseClick(w.chat_menu, Qt::LeftButton, {},
                          w.chat_menu->actionGeometry(item).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.chat_menu->isVisible(); }, 2000));
        EXPECT_EQ(item->isChecked(), on);
        EXPECT_EQ(manager().vary_openings(), on);
        EXPECT_EQ(store.values["VaryOpenings"], on ? "true" : "false");
    }
}

TEST_F(MainWindow, TheWebcamButtonSwitchesThePacing) {
    add_video();
    CHESS_MAIN_WINDOW& w = start_window();
    ASSERT_TRUE(errors.empty()) << errors[0];
    EXPECT_TRUE(manager().cam_on());
    EXPECT_TRUE(w.chat_video_switch->isEnabled());
    EXPECT_TRUE(w.chat_video->is_playing_clip());

    QTest::mouseClick(w.chat_video_switch, Qt::LeftButton);
    EXPECT_FALSE(manager().cam_on());
    EXPECT_FALSE(w.chat_video->is_playing_clip()) << "switching off stops the video";
    EXPECT_FALSE(w.chat_video->findChild<QWidget*>(QStringLiteral("video_window"))->isVisible());

    QTest::mouseClick(w.chat_video_switch, Qt::LeftButton);
    EXPECT_TRUE(manager().cam_on());
    EXPECT_TRUE(w.chat_video->is_playing_clip()) << "switching on presents a response at once";
    // Each finished clip presents the next response at once.
    QSignalSpy ended(w.chat_video, &CHESS_GUI_VIDEO::clip_ended);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended.count() >= 2; }, 10000));
    EXPECT_TRUE(w.chat_video->is_playing_clip());
}

// A video that opens but is far too short for the clips: one box naming the files and the
// fault, the webcam off and its switch disabled, and no reaction flooding the chat.
TEST_F(MainWindow, AVideoTooShortForTheClipsSwitchesTheWebcamOff) {
    add_video(20);
    CHESS_MAIN_WINDOW& w = start_window();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Initialization Error: Webcam disabled. (", 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find("ends past the last frame (19) of " +
                             (install / "velmora_chess.avi").string()),
              std::string::npos)
        << errors[0];
    EXPECT_FALSE(manager().cam_on());
    EXPECT_FALSE(w.chat_video_switch->is_on());
    EXPECT_FALSE(w.chat_video_switch->isEnabled());
    EXPECT_FALSE(w.chat_video->is_playing_clip());
    const int blocks = w.chat_output->document()->blockCount();
    QTest::qWait(300);
    EXPECT_EQ(w.chat_output->document()->blockCount(), blocks);
}

// "Go easy on me" is off by default, opens as the settings have it, and is kept there when the
// dialog is accepted, never when it is cancelled.
TEST_F(MainWindow, GoEasyIsKeptInTheSettings) {
    CHESS_MAIN_WINDOW& w = start_window();
    const std::string key = CHESS_APPLICATION_MANAGER::go_easy_key;
    answers.push_back([](QDialog& dialog) {
        auto& d = dynamic_cast<NEW_GAME_DIALOG&>(dialog);
        EXPECT_FALSE(d.go_easy_check->isChecked());
        d.go_easy_check->click();
        d.cancel_button->click();
    });
    w.on_menu_command(S::shortcut_new_game);
    EXPECT_FALSE(store.value(key).has_value());

    store.values[key] = "true";
    answers.push_back([](QDialog& dialog) {
        auto& d = dynamic_cast<NEW_GAME_DIALOG&>(dialog);
        EXPECT_TRUE(d.go_easy_check->isChecked());
        d.go_easy_check->click();
        d.ok_button->click();
    });
    w.on_menu_command(S::shortcut_new_game);
    EXPECT_EQ(asked, (std::vector<std::string>{"new_game_dialog", "new_game_dialog"}));
    EXPECT_EQ(store.value(key), std::optional<std::string>("false"));
}

// The window system adds nothing to the captions: the application sets no display name.
TEST_F(MainWindow, CaptionsAreTheProgramsOwn) {
    VELMORA_CHESS::identify();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    CHESS_MAIN_WINDOW& w = start_window();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Velmora Chess v1.2"));
    EXPECT_EQ(w.new_game_dialog->windowTitle(), QStringLiteral("New Game"));
    EXPECT_EQ(w.nickname_dialog->windowTitle(), QStringLiteral("Change Nickname"));
    EXPECT_EQ(w.debug_dialog->windowTitle(), QStringLiteral("Debug Dialog"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Initialization Error: ", 0), 0u);
}

// An error box opens centred over the main window wherever the window stands.
TEST_F(MainWindow, AMessageBoxOpensCentredOverTheWindow) {
    window = std::make_unique<CHESS_MAIN_WINDOW>(store);
    window->move(300, 200);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QPoint box_centre;
    CHESS_GUI_MODAL::set_handler([&](QDialog& dialog) {
        box_centre = dialog.frameGeometry().center();
        answer(dialog);
    });
    window->start(); // no video: one box
    ASSERT_EQ(errors.size(), 1u);
    const QPoint window_centre = window->frameGeometry().center();
    EXPECT_LE((box_centre - window_centre).manhattanLength(), 4)
        << box_centre.x() << "," << box_centre.y() << " vs " << window_centre.x() << ","
        << window_centre.y();
}

TEST_F(MainWindow, ClosingWritesTheLastGameAndTheNextStartResumesIt) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    w.on_board_move(e2, e4, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn, 3000));
    w.close();
    const std::string saved = read_file(install / "lastgame.txt");
    EXPECT_NE(saved.find("e2"), std::string::npos) << saved;

    errors.clear();
    CHESS_MAIN_WINDOW& again = start_window();
    EXPECT_EQ(manager().state(), A::state_player_turn);
    EXPECT_EQ(manager().game().move_count(), 2);
    EXPECT_EQ(again.hist_list->current_ply(), 2);
    EXPECT_EQ(again.hist_list->ply_text(0), QStringLiteral("e2-e4"));
}

TEST_F(MainWindow, ClosingDuringASearchEndsTheEventLoopPromptly) {
    CHESS_MAIN_WINDOW& w = start_window();
    // Black at the strongest level: the computer starts a two-minute search at once.
    QTimer::singleShot(0, &w, [this] { new_game(20, false); });
    QTimer::singleShot(700, &w, [&w] {
        EXPECT_TRUE(w.manager()->searching());
        w.close();
    });
    QElapsedTimer clock;
    clock.start();
    const int code = QApplication::exec();
    EXPECT_EQ(code, 0);
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_FALSE(manager().searching());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(std::filesystem::exists(install / "lastgame.txt"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
