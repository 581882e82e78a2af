#include "app_test_support.h"
#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength.h"
#include "persona/velmora_seal.h"

using namespace app_test;

namespace {

using S = CHESS_SHORTCUT_CONSTANTS;
using A = CHESS_APP_STATE_CONSTANTS;
using UI = CHESS_APPLICATION_USER_INTERFACE;

CHESS_LINK_DATA link(const std::string& identifier, const std::string& url = "x") {
    return CHESS_LINK_DATA(identifier, url);
}

} // namespace

class Commands : public APP_TEST {
  protected:
    void SetUp() override {
        APP_TEST::SetUp();
        start();
    }

    // The three lines a framed text adds: blank, the text, blank.
    std::vector<std::string> last_lines(std::size_t n) const {
        return std::vector<std::string>(ui.chat.end() - static_cast<std::ptrdiff_t>(n),
                                        ui.chat.end());
    }
};

TEST_F(Commands, HintAndItsLink) {
    new_game(level1(1));
    reactions();
    manager->command(S::shortcut_hint);
    EXPECT_EQ(manager->state(), A::state_hint);
    EXPECT_TRUE(ui.chat_has("Let me think."));
    EXPECT_TRUE(ui.enabled_commands().empty());
    EXPECT_FALSE(ui.board_enabled);
    EXPECT_TRUE(ui.thinking);
    manager->tick();
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_TRUE(ui.board_enabled);
    EXPECT_FALSE(ui.thinking);
    const CHESS_GUI_CHAT_SENTENCE& hint = ui.sentences.back();
    ASSERT_EQ(hint.phrases.size(), 3u);
    ASSERT_TRUE(hint.phrases[1].is_link);
    const CHESS_LINK_DATA hint_link = *hint.phrases[1].link_data;
    EXPECT_EQ(hint_link.identifier, "HINT_MOVE");
    EXPECT_EQ(ui.chat.back(), "Try " + hint_link.url + ".");
    EXPECT_TRUE(contains(reactions(), "velmora_thinking text."));

    manager->follow_link(hint_link);
    EXPECT_EQ(ui.history, std::vector<std::string>{hint_link.url});
    EXPECT_EQ(ui.animations.size(), 1u); // a played hint is animated
    EXPECT_EQ(manager->state(), A::state_thinking);
    manager->tick();

    // The same link after the position moved on has expired.
    ui.beeps.clear();
    manager->follow_link(hint_link);
    EXPECT_EQ(last_lines(3),
              (std::vector<std::string>{"", "[Hint " + hint_link.url + " expired]", ""}));
    EXPECT_EQ(ui.beeps, std::vector<int32_t>{UI::beep_default});
    EXPECT_EQ(manager->game().move_count(), 2);
}

TEST_F(Commands, HintLinkLeavesBrowsingAndExpiresOnAnyStateChange) {
    new_game(level1(1));
    play("e2e4");
    computer_answers();
    manager->command(S::shortcut_hint);
    manager->tick();
    const CHESS_LINK_DATA hint_link = *ui.sentences.back().phrases[1].link_data;
    manager->history_select(0);
    EXPECT_EQ(ui.marked_ply, 0);
    manager->follow_link(hint_link);
    EXPECT_FALSE(ui.marked_ply);
    EXPECT_EQ(manager->game().move_count(), 3);
    manager->tick();

    manager->command(S::shortcut_hint);
    manager->tick();
    const CHESS_LINK_DATA second = *ui.sentences.back().phrases[1].link_data;
    manager->command(S::shortcut_undo);
    manager->follow_link(second);
    EXPECT_TRUE(ui.chat_has("[Hint " + second.url + " expired]"));
}

// Every link identifier, and the help topics behind HELP.
TEST_F(Commands, Links) {
    struct CASE {
        std::optional<std::string> identifier;
        std::vector<std::string> lines;
        int beeps;
    };
    const std::vector<CASE> cases = {
        {std::nullopt, {"", "[try using your web browser]", ""}, 1},
        {"HINT_MOVE", {"", "[No game in progress]", ""}, 1},
        {"RESIGN_GAME", {"", "[No game in progress]", ""}, 1},
        {"EE", {"", "[easter egg]", ""}, 1},
        {"MAIL_TO", {"", "[um, this is just a game, not an e-mail application]", ""}, 1},
        {"HELP", {"", "help text.", ""}, 0},
        {"HELP3", {"", "help3 text.", ""}, 0},
        {"HELP25", {"", "help25 text.", ""}, 0},
        {"HELP26", {"", "help text.", ""}, 0},
        {"HELPx", {"", "invalid help topic", "", "", "help text.", ""}, 1},
        {"HELP1234567890", {"", "invalid help topic", "", "", "help text.", ""}, 1},
        {"help", {"", "[invalid link help]", ""}, 1},
        {"FOO", {"", "[invalid link FOO]", ""}, 1},
    };
    for (const CASE& c : cases) {
        ui.beeps.clear();
        manager->follow_link(CHESS_LINK_DATA(c.identifier, "www.example.org"));
        EXPECT_EQ(last_lines(c.lines.size()), c.lines) << c.identifier.value_or("(none)");
        EXPECT_EQ(static_cast<int>(ui.beeps.size()), c.beeps) << c.identifier.value_or("(none)");
    }
    EXPECT_TRUE(contains(reactions(), "ee text."));

    // START_MENU opens the New Game dialog when no game runs, and is refused during one.
    ui.new_game_answers.push_back(level1(1));
    manager->follow_link(link("START_MENU"));
    EXPECT_EQ(manager->state(), A::state_player_turn);
    manager->follow_link(link("START_MENU"));
    EXPECT_EQ(last_lines(3), (std::vector<std::string>{"", "[game already in progress]", ""}));
    EXPECT_EQ(ui.count("ask_new_game"), 1);
}

// The help page on levels ends with the measured strength of every level, as system lines.
TEST_F(Commands, LevelsHelpShowsTheStrengthTable) {
    manager->follow_link(link("HELP7"));
    // Blank, the persona's text, the heading, a line a level, blank.
    const std::vector<std::string> lines = last_lines(3 + NEW_GAME_SKILL_LEVEL::level_count + 1);
    EXPECT_EQ(lines[1], "help7 text.");
    EXPECT_EQ(lines[2].rfind("How strong each level plays", 0), 0u);
    for (int32_t n = 1; n <= NEW_GAME_SKILL_LEVEL::level_count; ++n) {
        const std::string& line = lines[2 + n];
        const auto plain = NEW_GAME_STRENGTH::estimate(n, false);
        ASSERT_TRUE(plain.has_value()) << "level " << n;
        const std::string start = "Level " + std::to_string(n) + " " +
                                  NEW_GAME_SKILL_LEVEL::level(n).description + ": " +
                                  plain->about_text();
        EXPECT_EQ(line.rfind(start, 0), 0u) << line;
        const auto easy = NEW_GAME_STRENGTH::estimate(n, true);
        EXPECT_EQ(easy.has_value(), n <= NEW_GAME_SKILL_LEVEL::easy_levels);
        const std::string easy_text = easy ? "going easy " + easy->about_text() : "going easy";
        EXPECT_EQ(line.find(easy_text) != std::string::npos, easy.has_value()) << line;
    }
    EXPECT_EQ(lines.back(), "");
}

TEST_F(Commands, NewGameCancelledChangesNothing) {
    const std::size_t calls = ui.calls.size();
    manager->command(S::shortcut_new_game);
    EXPECT_EQ(ui.calls.size(), calls + 1);
    EXPECT_EQ(manager->state(), A::state_no_game);
}

TEST_F(Commands, SaveAndLoad) {
    new_game(level1(1));
    play("e2e4");
    computer_answers();
    const std::string path = (root / "saved.txt").string();
    ui.save_answers.push_back(path);
    manager->command(S::shortcut_save_game);
    EXPECT_EQ(last_lines(3), (std::vector<std::string>{"", "Saved to " + path + ".", ""}));
    EXPECT_EQ(read_file(path), CHESS_GAME_FILE::text(manager->game(), level1(1), "player", false));
    manager->command(S::shortcut_save_game); // the dialog now offers the last name; cancelled
    EXPECT_EQ(ui.last("ask_save_file")->text, path);

    // A save error is told by her, with the writer's message, and beeps.
    ui.beeps.clear();
    const std::string bad = (root / "no_such_folder" / "x.txt").string();
    ui.save_answers.push_back(bad);
    manager->command(S::shortcut_save_game);
    EXPECT_EQ(last_lines(3),
              (std::vector<std::string>{"", "Save failed: file is not writeable: " + bad, ""}));
    EXPECT_EQ(ui.beeps, std::vector<int32_t>{UI::beep_default});

    // Load is only offered when no game runs.
    manager->command(S::shortcut_load_game);
    EXPECT_EQ(ui.count("ask_load_file"), 0);
    manager->follow_link(link("RESIGN_GAME"));

    // A load error leaves the game as it was.
    const std::string broken = (root / "broken.txt").string();
    write_file(broken, "Options 2:60:n:W\n1) e2-e5\n");
    ui.beeps.clear();
    load(broken);
    EXPECT_EQ(ui.chat[ui.chat.size() - 2].rfind("Load failed: ", 0), 0u);
    EXPECT_EQ(ui.beeps, std::vector<int32_t>{UI::beep_default});
    EXPECT_EQ(manager->state(), A::state_game_over);
    EXPECT_EQ(manager->game().move_count(), 2);

    // Loading an unfinished game resumes it, with the file's nickname.
    const std::string alice =
        save_game_file("alice.txt", game_of({"e2e4", "e7e5", "g1f3"}), level1(2), "Alice");
    load(alice);
    EXPECT_TRUE(ui.chat_has("Loaded " + alice + "."));
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(ui.names[2], "Alice");
    EXPECT_EQ(ui.history, (std::vector<std::string>{"e2-e4", "e7-e5", "g1-f3"}));
    EXPECT_EQ(ui.history_plies, 3);
    EXPECT_EQ(ui.bottom_side, 2);
    manager->command(S::shortcut_save_game);
    EXPECT_EQ(ui.last("ask_save_file")->text, alice);
}

TEST_F(Commands, Nickname) {
    new_game(level1(1));
    reactions();
    ui.nickname_answers.push_back("player");
    manager->command(S::shortcut_nickname);
    EXPECT_TRUE(reactions().empty());
    EXPECT_FALSE(ui.chat_has("From player to player."));

    ui.nickname_answers.push_back("Alice");
    manager->command(S::shortcut_nickname);
    EXPECT_EQ(last_lines(3), (std::vector<std::string>{"", "From player to Alice.", ""}));
    EXPECT_EQ(ui.names[1], "Alice");
    EXPECT_EQ(reactions(), std::vector<std::string>{"nickname_taunt text."});
    manager->follow_link(link("RESIGN_GAME"));
    EXPECT_TRUE(ui.chat_has("[Alice RESIGNS]"));
}

TEST_F(Commands, StatisticsShowTheSearchAndTheSkill) {
    manager->show_statistics(); // nothing in state 1
    EXPECT_FALSE(ui.chat_has("nps="));
    new_game(level1(1));
    play("e2e4");
    computer_answers();
    manager->command(S::shortcut_statistics);
    const std::vector<std::string> lines = last_lines(4);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1].rfind("nps=", 0), 0u) << lines[1];
    EXPECT_EQ(lines[1].find("(NPS)"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[1].find("last_nc=0 "), std::string::npos) << lines[1];
    // A level-1 search takes well under a millisecond; its rates are still measured.
    EXPECT_EQ(lines[1].find("nps=0 "), std::string::npos) << lines[1];
    EXPECT_EQ(lines[1].find("nps=N/A"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2].rfind("bs=", 0), 0u);
    EXPECT_NE(lines[2].find("skill=ply=2, time=60, qsearch=False, player=White"), std::string::npos)
        << lines[2];
    EXPECT_EQ(lines[3], "");
}

TEST_F(Commands, AboutSeatsHerForTheCreditsWhenNoGameRuns) {
    reactions();
    manager->command(S::shortcut_about);
    EXPECT_EQ(last_lines(3), (std::vector<std::string>{"", "About Velmora.", ""}));
    EXPECT_EQ(reactions(),
              (std::vector<std::string>{"sitdown text.", "credits text.", "standup text."}));
    new_game(level1(1));
    reactions();
    manager->command(S::shortcut_about);
    EXPECT_EQ(reactions(), std::vector<std::string>{"credits text."});
}

// Help is topic 0; in debug mode the chosen debug events follow it into her queue.
TEST_F(Commands, HelpAndDebugEvents) {
    manager->command(S::shortcut_help);
    EXPECT_EQ(last_lines(3), (std::vector<std::string>{"", "help text.", ""}));
    EXPECT_EQ(ui.count("ask_debug_events"), 0);

    const std::string persona = (install / "velmora_chess.dat").string();
    std::string text = read_file(persona);
    text.replace(text.find("\nD 0"), 4, "\nD 1");
    write_file(persona, text);
    ASSERT_FALSE(VELMORA_SEAL(persona).failed());
    restart();
    new_game(level1(1));
    reactions();
    ui.debug_answers.push_back(std::vector<std::string>{"FLIP_BOARD", "vCHECKS", "nonsense"});
    manager->command(S::shortcut_help);
    EXPECT_EQ(ui.count("ask_debug_events"), 1);
    EXPECT_EQ(reactions(), (std::vector<std::string>{"flip_board text.", "velmora_checks text."}));

    // Debug mode also writes the record after each of the player's moves.
    play("e2e4");
    EXPECT_EQ(read_file((install / "debug_game.txt").string()),
              CHESS_GAME_FILE::text(game_of({"e2e4"}), level1(1), "player", false));
}

TEST_F(Commands, FlipBoard) {
    const std::size_t before = ui.calls.size();
    manager->flip_board();
    EXPECT_EQ(ui.bottom_side, 2);
    EXPECT_EQ(ui.count("set_player_name"), 2); // only the start's two empty names
    EXPECT_EQ(ui.calls.size(), before + 1);
    new_game(level1(1));
    const std::size_t names = ui.count("set_player_name");
    manager->flip_board();
    EXPECT_EQ(ui.bottom_side, 2); // the new game put white back at the bottom
    EXPECT_EQ(ui.count("set_player_name"), static_cast<int>(names) + 2);
    EXPECT_EQ(ui.last("show_side_to_move")->numbers, std::vector<int32_t>{1});
    EXPECT_EQ(ui.last("set_status")->numbers, std::vector<int32_t>{2});
    EXPECT_TRUE(contains(reactions(), "flip_board text."));
}

// With the webcam off, a reaction's text is shown every seventh tick; the count goes on
// through webcam switches.
TEST_F(Commands, WebcamOffPacing) {
    new_game(level1(1));
    manager->webcam_off();
    EXPECT_EQ(ui.count("stop_video"), 1);
    EXPECT_FALSE(manager->cam_on());
    const std::size_t clips = ui.clips.size();
    std::vector<std::size_t> shown_at;
    for (int tick = 1; tick <= 21; ++tick) {
        const std::size_t lines = ui.velmora_lines().size();
        manager->tick();
        if (ui.velmora_lines().size() > lines) {
            shown_at.push_back(static_cast<std::size_t>(tick));
        }
        if (tick == 10) {
            manager->webcam_on();
            manager->webcam_off();
        }
    }
    EXPECT_EQ(shown_at, (std::vector<std::size_t>{7, 14, 21}));
    EXPECT_EQ(ui.clips.size(), clips + 1); // only the switch on played a clip
}

// A webcam reaction for a position the switch has already left is passed over.
TEST_F(Commands, WebcamReactionsAreNotStale) {
    new_game(level1(1));
    reactions();
    manager->webcam_off();
    manager->webcam_on();
    manager->clip_end();
    const std::vector<std::string> said = ui.velmora_lines();
    EXPECT_TRUE(contains(said, "webcam_on text."));
    EXPECT_FALSE(contains(said, "webcam_off text."));
    manager->webcam_off();
    manager->clip_end(); // a stale clip end with the webcam off shows nothing
    EXPECT_EQ(ui.velmora_lines(), said);
}

TEST_F(Commands, HistoryBrowsing) {
    manager->history_select(0); // no game: ignored
    EXPECT_EQ(ui.count("mark_history_ply"), 0);
    new_game(level1(1));
    play("e2e4");
    computer_answers();
    manager->history_select(1);
    EXPECT_EQ(manager->current_ply(), 1);
    EXPECT_EQ(ui.marked_ply, 1);
    EXPECT_EQ(ui.board->item(CHESS_SQUARE_CONSTANTS::square(5, 4)),
              CHESS_PIECE_CONSTANTS::white_pawn);
    for (int32_t s = 1; s <= 64; ++s) {
        EXPECT_FALSE(ui.board->can_move_from(s));
    }
    manager->history_select(2);
    EXPECT_FALSE(ui.marked_ply);
    EXPECT_TRUE(ui.board->can_move_from(CHESS_SQUARE_CONSTANTS::square(4, 2)));
    manager->history_select(0);
    play("d2d4"); // a move is made from the current position, browsing left first
    EXPECT_FALSE(ui.marked_ply);
    EXPECT_EQ(manager->current_ply(), 3);
}

// The command table of every state, as the window shows it.
TEST_F(Commands, MenuOfEveryState) {
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{1, 3, 7, 9, 10}));
    new_game(level1(1));
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{2, 4, 5, 7, 8, 9, 10}));
    std::vector<int32_t> thinking;
    std::vector<int32_t> hinting;
    ui.on_pump = [&] { thinking = ui.enabled_commands(); };
    CHESS_GAME_OPTIONS deep = level1(1);
    deep.max_ply = 5;
    manager->follow_link(link("RESIGN_GAME"));
    new_game(deep);
    play("e2e4");
    manager->tick();
    ui.on_pump = [&] { hinting = ui.enabled_commands(); };
    manager->command(S::shortcut_hint);
    manager->tick();
    ASSERT_GT(ui.pumps, 1);
    EXPECT_TRUE(thinking.empty());
    EXPECT_TRUE(hinting.empty());
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{2, 4, 5, 6, 7, 8, 9, 10}));
    manager->follow_link(link("RESIGN_GAME"));
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{1, 2, 3, 6, 7, 8, 9, 10}));
    // Commands greyed in a state are refused even when called.
    manager->command(S::shortcut_hint);
    EXPECT_EQ(manager->state(), A::state_game_over);
}
