// Moves spoken aloud, with a speech engine of the test's own: it writes what it is given to say
// into a file, one line per text, and marks a text given while it still speaks as cut.
#include "main_window_fixture.h"
#include "presentation/chess_gui_chat_menu.h"
#include "windows/chess_gui_speaker.h"

#include <QAction>
#include <QTextToSpeech>

namespace {
constexpr int32_t e2 = 13, e4 = 29, g1 = 7, f3 = 22, h2 = 16, h3 = 24;
} // namespace

class SpeakingWindow : public MAIN_WINDOW_TEST {
  protected:
    void SetUp() override {
        MAIN_WINDOW_TEST::SetUp();
        speech_log = root / "spoken.txt";
        qputenv("VELMORA_TEST_SPEECH_LOG", QByteArray::fromStdString(speech_log.string()));
    }

    void TearDown() override {
        MAIN_WINDOW_TEST::TearDown();
        qunsetenv("VELMORA_TEST_SPEECH_LOG");
    }

    QStringList spoken() {
        return QString::fromStdString(read_file(speech_log)).split('\n', Qt::SkipEmptyParts);
    }

    static void press_speak_moves(CHESS_MAIN_WINDOW& w) {
        press(&w, Qt::Key_M, Qt::ControlModifier);
    }

    QAction* speak_moves_item(CHESS_MAIN_WINDOW& w) {
        return w.chat_menu->command_action(CHESS_GUI_CHAT_MENU::speak_moves);
    }

    std::filesystem::path speech_log;
};

// Off until the player switches it on; then both sides' moves are spoken in turn, each to its
// end; the choice is kept for the next start, and switching off silences the moves again.
TEST_F(SpeakingWindow, MovesAreSpokenOnceThePlayerSwitchesItOn) {
    ASSERT_TRUE(QTextToSpeech::availableEngines().contains(QStringLiteral("velmora-test")));
    CHESS_MAIN_WINDOW& w = start_active_window();
    QAction* item = speak_moves_item(w);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    new_game();
    w.on_board_move(e2, e4, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn));
    activate(w);
    EXPECT_TRUE(spoken().isEmpty());

    press_speak_moves(w);
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(store.values["SpeakMoves"], "true");
    w.on_board_move(g1, f3, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spoken().size() >= 2; }, 5000))
        << spoken().join('|').toStdString();
    const QStringList heard = spoken();
    ASSERT_EQ(heard.size(), 2);
    EXPECT_EQ(heard.front(), QStringLiteral("player plays knight f3"));
    EXPECT_TRUE(heard.back().startsWith(QStringLiteral("Velmora plays ")))
        << heard.back().toStdString();

    window.reset();
    CHESS_MAIN_WINDOW& again = start_active_window();
    ASSERT_NE(speak_moves_item(again), nullptr);
    EXPECT_TRUE(speak_moves_item(again)->isChecked());
    EXPECT_TRUE(again.speaker->is_on());
    press_speak_moves(again);
    EXPECT_FALSE(speak_moves_item(again)->isChecked());
    EXPECT_EQ(store.values["SpeakMoves"], "false");
    again.on_board_move(h2, h3, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn));
    QTest::qWait(100);
    EXPECT_EQ(spoken().join('|').toStdString(), heard.join('|').toStdString());
}

// A move that gives check is one sentence, so that the check is not left waiting for a reply.
TEST_F(SpeakingWindow, ACheckIsSpokenWithItsMove) {
    store.values["SpeakMoves"] = "true";
    CHESS_MAIN_WINDOW& w = start_active_window();
    new_game();
    w.move_played(CHESS_MAIN_WINDOW::white, "Qxf7+");
    w.move_played(CHESS_MAIN_WINDOW::black, "Kxf7");
    ASSERT_TRUE(QTest::qWaitFor([&] { return spoken().size() >= 2; }, 5000));
    EXPECT_EQ(spoken().join('|').toStdString(),
              "player plays queen takes f7, check|Velmora plays king takes f7");
}
