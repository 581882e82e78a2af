#include "app_test_support.h"

using namespace app_test;

namespace {

using S = CHESS_SHORTCUT_CONSTANTS;
using A = CHESS_APP_STATE_CONSTANTS;

} // namespace

class Start : public APP_TEST {};

TEST_F(Start, WithoutALastGameWaitsForAGame) {
    start();
    ASSERT_FALSE(manager->failed());
    EXPECT_EQ(manager->state(), A::state_no_game);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(ui.title, "Velmora Chess v1.2");
    EXPECT_EQ(ui.video_caption, "Velmora");
    EXPECT_EQ(ui.statuses[1], "no game");
    EXPECT_EQ(ui.statuses[2], "no game");
    EXPECT_EQ(ui.names[1], "");
    EXPECT_EQ(ui.names[2], "");
    EXPECT_EQ(ui.bottom_side, 1);
    EXPECT_EQ(ui.side_to_move, 0);
    EXPECT_FALSE(ui.board_enabled);
    ASSERT_TRUE(ui.board);
    for (int32_t s = 1; s <= 64; ++s) {
        EXPECT_EQ(ui.board->item(s), 0);
        EXPECT_FALSE(ui.board->can_move_from(s));
    }
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{1, 3, 7, 9, 10}));
    // The webcam is on: the first reaction (her empty chair) plays at once.
    EXPECT_TRUE(manager->cam_on());
    EXPECT_EQ(ui.last("open_video")->text, (install / "velmora_chess.avi").string());
    EXPECT_EQ(ui.clips.size(), 1u);
    // Start text: three blank lines, the text with the nickname filled in, one blank line.
    const std::vector<std::string> tail(ui.chat.end() - 5, ui.chat.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"", "", "", "Welcome, player. Click help for help.", ""}));
    EXPECT_TRUE(ui.sentences.back().is_system);
    EXPECT_EQ(ui.sentences.back().phrases[1].link_data->identifier, "HELP");
}

TEST_F(Start, VideoProblemsOnlySwitchTheWebcamOff) {
    struct CASE {
        const char* name;
        std::function<void()> prepare;
        std::string message;
    };
    const std::string video = (install / "velmora_chess.avi").string();
    const std::vector<CASE> cases = {
        {"missing", [&] { fs::remove(video); }, "Webcam disabled. (no such file: " + video + ")"},
        {"unreadable",
         [&] {
             fs::remove(video);
             fs::create_directory(video);
         },
         "File not readable: " + video},
        {"unopenable",
         [&] {
             fs::remove_all(video);
             write_file(video, "video");
             ui.open_video_error = video + ": unable to open video file";
         },
         video + ": unable to open video file"},
    };
    for (const CASE& c : cases) {
        ui = RECORDING_USER_INTERFACE();
        c.prepare();
        start();
        EXPECT_FALSE(manager->failed()) << c.name;
        EXPECT_EQ(ui.errors, std::vector<std::string>{c.message}) << c.name;
        EXPECT_FALSE(manager->cam_on()) << c.name;
        EXPECT_TRUE(ui.webcam_switch_disabled) << c.name;
        EXPECT_TRUE(ui.clips.empty()) << c.name;
        EXPECT_EQ(manager->state(), A::state_no_game) << c.name;
        // The webcam cannot be switched on without a video.
        manager->webcam_on();
        EXPECT_FALSE(manager->cam_on()) << c.name;
    }
}

// A video that opens but is too short for the clips (cut short, or another file) would fail every
// clip at once: the start treats it as broken, with one box that names the files and the fault.
TEST_F(Start, AVideoShorterThanTheClipsSwitchesTheWebcamOff) {
    ui.video_frames = 10;
    start();
    const std::string video = (install / "velmora_chess.avi").string();
    ASSERT_EQ(ui.errors.size(), 1u);
    const std::string& error = ui.errors[0];
    EXPECT_EQ(
        error.rfind("Webcam disabled. (" + (install / "velmora_chess.dat").string() + ": clip ", 0),
        0u)
        << error;
    EXPECT_NE(error.find("ends past the last frame (9) of " + video + ")"), std::string::npos)
        << error;
    EXPECT_FALSE(manager->cam_on());
    EXPECT_TRUE(ui.webcam_switch_disabled);
    EXPECT_TRUE(ui.clips.empty());
    manager->webcam_on();
    EXPECT_FALSE(manager->cam_on());
}

// A clip that cannot play hands over to the next reaction no sooner than the webcam-off pace:
// seven ticks, and a late report of a clip's end does not cut the wait short.
TEST_F(Start, AFailedClipWaitsForTheWebcamOffPace) {
    start();
    ASSERT_TRUE(manager->cam_on());
    new_game(level1());
    const std::size_t clips = ui.clips.size();
    const std::size_t chat = ui.chat.size();
    manager->clip_failed();
    for (int tick = 1; tick <= 6; ++tick) {
        manager->tick();
        manager->clip_end();
    }
    EXPECT_EQ(ui.clips.size(), clips);
    EXPECT_EQ(ui.chat.size(), chat);
    manager->tick();
    EXPECT_EQ(ui.clips.size(), clips + 1);
    // A clip that plays brings the next one at its end again.
    manager->clip_end();
    EXPECT_EQ(ui.clips.size(), clips + 2);
}

// The game in progress is written on close and resumed at the next start.
TEST_F(Start, AutosaveAndAutoloadResumeTheGame) {
    start();
    new_game(level1());
    play("e2e4");
    computer_answers();
    ASSERT_EQ(manager->state(), A::state_player_turn);
    const std::vector<std::string> history = ui.history;
    ASSERT_EQ(history.size(), 2u);
    EXPECT_TRUE(manager->autosave());
    ASSERT_TRUE(fs::exists(install / "lastgame.txt"));

    restart();
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(ui.history, history);
    EXPECT_EQ(manager->game().move_count(), 2);
    EXPECT_EQ(ui.names[1], "player");
    EXPECT_EQ(ui.names[2], "Velmora");
    EXPECT_EQ(ui.statuses[1], "");
    EXPECT_TRUE(ui.board_enabled);
    EXPECT_EQ(ui.side_to_move, 1);
    EXPECT_EQ(reactions(), (std::vector<std::string>{"sitdown text.", "game_continue text."}));
}

// The start text greets the player of the resumed game, and its new-game link answers that a
// game is on.
TEST_F(Start, TheStartTextGreetsTheResumedPlayer) {
    save_game_file("install/lastgame.txt", game_of({"e2e4", "e7e5"}), level1(), "Ada");
    start();
    ASSERT_EQ(manager->state(), A::state_player_turn);
    EXPECT_TRUE(ui.chat_has("Welcome, Ada. Click help for help."));
    EXPECT_FALSE(ui.chat_has("Welcome, player. Click help for help."));
    manager->follow_link(CHESS_LINK_DATA(std::string("START_MENU"), "Start a new game"));
    EXPECT_TRUE(ui.chat_has("[game already in progress]"));
    EXPECT_EQ(manager->game().move_count(), 2);
}

// The computer to move in the resumed game: its search runs during the start, and the first
// tick plays its move.
TEST_F(Start, AutoloadWithTheComputerToMove) {
    save_game_file("install/lastgame.txt", game_of({"e2e4"}), level1(1), "Alice");
    start();
    EXPECT_EQ(manager->state(), A::state_thinking);
    EXPECT_TRUE(ui.thinking);
    EXPECT_EQ(ui.names[1], "Alice");
    manager->tick();
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(manager->game().move_count(), 2);
    EXPECT_FALSE(ui.thinking);
}

// A finished, resigned or empty last game is not resumed, but its options and nickname are
// kept: the next close writes the empty game with them.
TEST_F(Start, FinishedLastGameGivesOnlyOptionsAndNickname) {
    std::vector<std::string> fools = {"f2f3", "e7e5", "g2g4", "d8h4"};
    std::vector<std::string> stalemate = loyd_before_stalemate();
    stalemate.push_back("c8e6");
    struct CASE {
        const char* name;
        CHESS_GAME game;
        bool resigned;
    };
    const std::vector<CASE> cases = {
        {"mate", game_of(fools), false},
        {"stalemate", game_of(stalemate), false},
        {"draw", game_of(knight_shuffle(101)), false},
        {"resigned", game_of({"e2e4"}), true},
        {"empty", CHESS_GAME(), false},
    };
    CHESS_GAME_OPTIONS options;
    options.max_ply = 4;
    options.max_time = 30;
    options.qsearch = true;
    options.player_color = 2;
    for (const CASE& c : cases) {
        ASSERT_EQ(c.game.is_over(),
                  std::string(c.name) != "resigned" && std::string(c.name) != "empty")
            << c.name;
        save_game_file("install/lastgame.txt", c.game, options, "Bob", c.resigned);
        restart();
        EXPECT_EQ(manager->state(), A::state_no_game) << c.name;
        EXPECT_EQ(ui.statuses[1], "no game") << c.name;
        EXPECT_EQ(ui.count("add_history_move"), 0) << c.name;
        manager->autosave();
        EXPECT_EQ(read_file((install / "lastgame.txt").string()),
                  CHESS_GAME_FILE::text(CHESS_GAME(), options, "Bob", false))
            << c.name;
        // The New Game dialog opens with the last options.
        manager.reset();
        ui = RECORDING_USER_INTERFACE();
        save_game_file("install/lastgame.txt", c.game, options, "Bob", c.resigned);
        start();
        manager->command(S::shortcut_new_game);
        EXPECT_EQ(ui.last("ask_new_game")->numbers, (std::vector<int32_t>{4, 30, 1, 2})) << c.name;
    }
}

// A bad last game shows no box: the start goes on without a game (the chat tells what happened
// to the file).
TEST_F(Start, BadLastGameStartsWithoutAGame) {
    write_file((install / "lastgame.txt").string(), "Nickname X\nOptions banana\n");
    start();
    EXPECT_EQ(manager->state(), A::state_no_game);
    EXPECT_TRUE(ui.errors.empty());
    // The nickname line was read before the damage, so the start text greets that player.
    EXPECT_TRUE(ui.chat_has("Welcome, X. Click help for help."));
}

// With an installation folder nobody may write to, the last game lives in the per-user folder,
// and the next start looks there first.
TEST_F(Start, UnwritableInstallFolderUsesTheUserFolder) {
    fs::create_directory(install / ".velmora_write_test"); // no file can be made under that name
    save_game_file("install/lastgame.txt", game_of({"e2e4", "e7e5"}), level1(), "Old");
    start();
    EXPECT_EQ(manager->game().move_count(), 2); // nothing in the user folder yet
    play("g1f3");
    computer_answers();
    manager->autosave();
    const fs::path user_file = root / "user" / "lastgame.txt";
    ASSERT_TRUE(fs::exists(user_file));
    EXPECT_EQ(read_file(user_file.string()),
              CHESS_GAME_FILE::text(manager->game(), level1(), "Old", false));
    restart();
    EXPECT_EQ(manager->game().move_count(), 4);
}

// Closing writes the game in every state; after a close nothing changes the game any more.
TEST_F(Start, AutosaveInEveryStateAndOnlyOnce) {
    start();
    manager->autosave();
    EXPECT_EQ(read_file((install / "lastgame.txt").string()),
              CHESS_GAME_FILE::text(CHESS_GAME(), CHESS_GAME_OPTIONS(), "player", false));
    const std::size_t calls = ui.calls.size();
    new_game(level1());
    manager->tick();
    manager->follow_link(CHESS_LINK_DATA(std::string("EE"), "x"));
    EXPECT_EQ(ui.calls.size(), calls);
}
