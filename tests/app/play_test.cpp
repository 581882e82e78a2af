#include "app_test_support.h"

#include <set>

using namespace app_test;

namespace {

using S = CHESS_SHORTCUT_CONSTANTS;
using A = CHESS_APP_STATE_CONSTANTS;
using UI = CHESS_APPLICATION_USER_INTERFACE;

// A move that lets the opponent mate at once, if there is one.
std::optional<CHESS_MOVE> helpmate_move(const CHESS_GAME& game) {
    for (const CHESS_MOVE& m : game.legal_moves()) {
        CHESS_GAME after = game;
        after.make_move(m);
        for (const CHESS_MOVE& reply : after.legal_moves()) {
            CHESS_GAME mated = after;
            mated.make_move(reply);
            if (mated.check_mate()) {
                return m;
            }
        }
    }
    return std::nullopt;
}

// Otherwise the king walks out towards the enemy camp, where mates come soon; the pawns in
// front of it make way first.
CHESS_MOVE careless_move(const CHESS_GAME& game) {
    if (const std::optional<CHESS_MOVE> offer = helpmate_move(game)) {
        return *offer;
    }
    using P = CHESS_PIECE_CONSTANTS;
    using Q = CHESS_SQUARE_CONSTANTS;
    const std::vector<CHESS_MOVE> moves = game.legal_moves();
    std::optional<CHESS_MOVE> best;
    int32_t best_key = -1;
    for (const CHESS_MOVE& m : moves) {
        int32_t key = -1;
        if (P::kind_of(m.piece) == P::king) {
            key = 10 + Q::rank(m.dst);
        } else if (P::kind_of(m.piece) == P::pawn && Q::file(m.src) >= 4 && Q::file(m.src) <= 6) {
            key = 1;
        }
        if (key > best_key) {
            best = m;
            best_key = key;
        }
    }
    return best_key >= 0 ? *best : moves.front();
}

} // namespace

class Play : public APP_TEST {
  protected:
    void SetUp() override {
        APP_TEST::SetUp();
        start();
    }
};

TEST_F(Play, NewGameAsWhite) {
    new_game(level1(1));
    EXPECT_TRUE(ui.chat_has("[NEW GAME: player vs. Velmora]"));
    const CHESS_GUI_CHAT_SENTENCE& announcement = ui.sentences.back();
    EXPECT_TRUE(announcement.is_system);
    EXPECT_TRUE(announcement.phrases[1].is_bold);
    EXPECT_TRUE(announcement.phrases[3].is_bold);
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(ui.names[1], "player");
    EXPECT_EQ(ui.names[2], "Velmora");
    EXPECT_EQ(ui.statuses[1], "");
    EXPECT_EQ(ui.statuses[2], "");
    EXPECT_EQ(ui.bottom_side, 1);
    EXPECT_EQ(ui.side_to_move, 1);
    EXPECT_TRUE(ui.board_enabled);
    EXPECT_TRUE(ui.board->is_move(CHESS_SQUARE_CONSTANTS::square(5, 2),
                                  CHESS_SQUARE_CONSTANTS::square(5, 4)));
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{2, 4, 5, 7, 8, 9, 10}));
    EXPECT_EQ(reactions(), (std::vector<std::string>{"sitdown text.", "game_start text."}));

    play("e2e4");
    EXPECT_EQ(ui.history, std::vector<std::string>{"e2-e4"});
    EXPECT_EQ(manager->state(), A::state_thinking);
    EXPECT_EQ(ui.side_to_move, 2);
    EXPECT_FALSE(ui.board_enabled);
    EXPECT_TRUE(ui.thinking);
    EXPECT_TRUE(ui.enabled_commands().empty());
    EXPECT_FALSE(manager->searching());         // the search ran inside the move and has returned
    EXPECT_EQ(manager->game().move_count(), 1); // its answer waits for the tick
    EXPECT_TRUE(ui.animations.empty());

    manager->tick();
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(manager->game().move_count(), 2);
    EXPECT_EQ(ui.history.size(), 2u);
    const CHESS_MOVE& reply = manager->game().last_move();
    EXPECT_EQ(ui.animations.back(), std::make_pair(reply.src, reply.dst));
    EXPECT_EQ(ui.side_to_move, 1);
    EXPECT_TRUE(ui.board_enabled);
    EXPECT_FALSE(ui.thinking);
    EXPECT_EQ(ui.history_plies, 2);
    EXPECT_EQ(manager->current_ply(), 2);
    EXPECT_TRUE(ui.enabled(S::shortcut_undo));
    const std::vector<std::string> said = reactions();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0], "player_moves text.");
}

// The manager resolves the board's drop: a drop that is no legal move, or one made out of turn,
// is refused and the board shows the game's position again.
TEST_F(Play, TheManagerResolvesADropAndRefusesTheRest) {
    using Q = CHESS_SQUARE_CONSTANTS;
    const int32_t e2 = Q::square(5, 2), e4 = Q::square(5, 4), e5 = Q::square(5, 5);
    const int32_t e7 = Q::square(5, 7);
    new_game(level1(1));
    ui.board.reset();
    manager->player_move(e2, e5, 0);
    EXPECT_EQ(manager->game().move_count(), 0);
    EXPECT_EQ(manager->state(), A::state_player_turn);
    ASSERT_TRUE(ui.board.has_value()) << "the refused drop's piece goes back";
    EXPECT_EQ(ui.board->item(e2), CHESS_PIECE_CONSTANTS::white_pawn);
    EXPECT_TRUE(ui.history.empty());

    manager->player_move(e2, e4, CHESS_PIECE_CONSTANTS::white_queen); // no promotion: piece ignored
    EXPECT_EQ(manager->game().move_count(), 1);
    EXPECT_EQ(ui.history, std::vector<std::string>{"e2-e4"});
    ASSERT_EQ(manager->state(), A::state_thinking);

    ui.board.reset();
    manager->player_move(e7, e5, 0); // the computer's turn: refused
    EXPECT_EQ(manager->game().move_count(), 1);
    EXPECT_TRUE(ui.board.has_value());
}

// The computer opens as White: its search runs inside the New Game command and the first tick
// plays its move. Undo waits until more than two plies exist.
TEST_F(Play, NewGameAsBlack) {
    new_game(level1(2));
    EXPECT_TRUE(ui.chat_has("[NEW GAME: Velmora vs. player]"));
    EXPECT_EQ(manager->state(), A::state_thinking);
    EXPECT_EQ(ui.bottom_side, 2);
    EXPECT_EQ(ui.names[2], "player");
    EXPECT_EQ(ui.names[1], "Velmora");
    EXPECT_EQ(ui.side_to_move, 1);
    EXPECT_EQ(manager->game().move_count(), 0);
    manager->tick();
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(manager->game().move_count(), 1);
    EXPECT_EQ(ui.side_to_move, 2);
    EXPECT_FALSE(ui.enabled(S::shortcut_undo));
    manager->undo();
    EXPECT_EQ(manager->game().move_count(), 1);

    const CHESS_MOVE black = manager->game().legal_moves().front();
    manager->player_move(black.src, black.dst, black.promoted_piece());
    computer_answers();
    EXPECT_EQ(manager->game().move_count(), 3);
    EXPECT_TRUE(ui.enabled(S::shortcut_undo));
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->game().move_count(), 1);
    EXPECT_EQ(ui.history.size(), 1u);
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_FALSE(ui.enabled(S::shortcut_undo));
}

// The player keeps offering a mate; the engine finds it.
TEST_F(Play, FullGameToAMateFoundByTheEngine) {
    new_game(level1(1));
    for (int moves = 0; moves < 60 && manager->state() == A::state_player_turn; ++moves) {
        const CHESS_MOVE careless = careless_move(manager->game());
        manager->player_move(careless.src, careless.dst, careless.promoted_piece());
        computer_answers();
    }
    ASSERT_EQ(manager->state(), A::state_game_over) << testing::PrintToString(ui.history);
    EXPECT_TRUE(manager->game().check_mate());
    EXPECT_EQ(manager->game().side_to_move(), 1);
    EXPECT_TRUE(ui.chat_has("[CHECK-MATE Velmora WINS]"));
    EXPECT_EQ(ui.beeps.back(), UI::beep_default);
    EXPECT_EQ(ui.statuses[2], "Winner!");
    EXPECT_EQ(ui.statuses[1], "");
    EXPECT_FALSE(ui.board_enabled);
    EXPECT_FALSE(ui.thinking);
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{1, 2, 3, 6, 7, 8, 9, 10}));
    const std::vector<std::string> said = reactions();
    EXPECT_TRUE(contains(said, "velmora_wins text."));
    EXPECT_TRUE(contains(said, "game_end text."));
    EXPECT_TRUE(contains(said, "standup text."));

    // Undo after her mate takes back her move and the player's: the player is to move again.
    const int32_t plies = manager->game().move_count();
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->game().move_count(), plies - 2);
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(ui.statuses[2], "");
    EXPECT_TRUE(ui.board_enabled);
    EXPECT_FALSE(contains(reactions(), "undo_taunt text."));
}

// The player mates: the asterisk beep, her defeat, and an undo that takes back one ply.
TEST_F(Play, PlayerMatesAndTakesItBack) {
    load(save_game_file("fools.txt", game_of({"f2f3", "e7e5", "g2g4"}), level1(2), "player"));
    ASSERT_EQ(manager->state(), A::state_player_turn);
    reactions();
    play("d8h4");
    EXPECT_EQ(manager->state(), A::state_game_over);
    EXPECT_TRUE(ui.chat_has("[CHECK-MATE player WINS]"));
    EXPECT_EQ(ui.beeps.back(), UI::beep_asterisk);
    EXPECT_EQ(ui.statuses[2], "Winner!"); // the player plays black
    EXPECT_EQ(ui.statuses[1], "");
    EXPECT_EQ(reactions(),
              (std::vector<std::string>{"player_wins text.", "game_end text.", "standup text."}));
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->game().move_count(), 3);
    EXPECT_EQ(ui.history.size(), 3u);
    EXPECT_EQ(ui.animations.back(), std::make_pair(CHESS_SQUARE_CONSTANTS::square(8, 4),
                                                   CHESS_SQUARE_CONSTANTS::square(4, 8)));
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(ui.statuses[2], "");
    EXPECT_EQ(reactions(), (std::vector<std::string>{"sitdown text.", "game_continue text."}));
}

TEST_F(Play, StaleMateAndFiftyMoveDraw) {
    struct CASE {
        std::vector<std::string> moves;
        std::string last;
        std::string announcement;
        std::string status;
        std::string reaction;
    };
    const std::vector<CASE> cases = {
        {loyd_before_stalemate(), "c8e6", "[STALE-MATE]", "Stale-mate", "stalemate text."},
        {knight_shuffle(100), "g1f3", "[DRAW]", "Draw", "draw text."},
    };
    for (const CASE& c : cases) {
        load(save_game_file("prepared.txt", game_of(c.moves), level1(1), "player"));
        ASSERT_EQ(manager->state(), A::state_player_turn) << c.announcement;
        reactions();
        ui.beeps.clear();
        play(c.last);
        EXPECT_EQ(manager->state(), A::state_game_over) << c.announcement;
        EXPECT_TRUE(ui.chat_has(c.announcement)) << c.announcement;
        EXPECT_EQ(ui.beeps, std::vector<int32_t>{UI::beep_default}) << c.announcement;
        EXPECT_EQ(ui.statuses[1], c.status) << c.announcement;
        EXPECT_EQ(ui.statuses[2], c.status) << c.announcement;
        EXPECT_EQ(reactions()[0], c.reaction) << c.announcement;
        // Undo after the player's own ending move takes back that move only.
        const int32_t plies = manager->game().move_count();
        manager->command(S::shortcut_undo);
        EXPECT_EQ(manager->game().move_count(), plies - 1) << c.announcement;
        EXPECT_EQ(ui.statuses[1], "") << c.announcement;
        // Loading the finished game shows it over at once, the last mover at the arrow.
        std::vector<std::string> finished = c.moves;
        finished.push_back(c.last);
        manager->resign_prompt();
        manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
        load(save_game_file("finished.txt", game_of(finished), level1(1), "player"));
        EXPECT_EQ(manager->state(), A::state_game_over) << c.announcement;
        EXPECT_EQ(ui.statuses[1], c.status) << c.announcement;
        EXPECT_EQ(ui.side_to_move, 1) << c.announcement;
        EXPECT_FALSE(ui.board_enabled) << c.announcement;
    }
}

// Undo during play takes back two plies and taunts.
TEST_F(Play, UndoDuringPlayTaunts) {
    new_game(level1(1));
    play("e2e4");
    computer_answers();
    play("d2d4");
    computer_answers();
    reactions();
    manager->history_select(1); // browsing is left first
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->game().move_count(), 2);
    EXPECT_EQ(ui.history.size(), 2u);
    EXPECT_EQ(ui.history_plies, 2);
    EXPECT_FALSE(ui.marked_ply);
    EXPECT_EQ(manager->current_ply(), 2);
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(reactions()[0], "undo_taunt text.");
    ASSERT_EQ(ui.animations.size(), 4u); // two computer moves, two take-backs
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->game().move_count(), 0);
    EXPECT_FALSE(ui.enabled(S::shortcut_undo));
}

// A check hides the capture made with it; other moves raise the event of their kind.
TEST_F(Play, MoveEvents) {
    struct CASE {
        std::vector<std::string> before;
        std::string move;
        std::string reaction;
    };
    const std::vector<CASE> cases = {
        {{"e2e4", "f7f5", "d1h5", "g7g6"}, "h5g6", "player_checks text."}, // Qxg6+ captures
        {{"e2e4", "d7d5"}, "e4d5", "player_captures_pawn text."},
        {{"e2e4", "g8f6", "d2d3", "f6g4"}, "d1g4", "player_captures_knight text."},
        {{"e2e4", "g8f6", "e4e5", "d7d5"}, "e5d6", "player_ep_captures text."},
        {{"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "g8f6"}, "e1g1", "player_castles text."},
        {{"e2e4"}, "e7e5", "player_moves text."},
    };
    for (const CASE& c : cases) {
        const int32_t color = c.before.size() % 2 == 0 ? 1 : 2;
        load(save_game_file("events.txt", game_of(c.before), level1(color), "player"));
        ASSERT_EQ(manager->state(), A::state_player_turn) << c.move;
        reactions();
        play(c.move);
        EXPECT_EQ(reactions()[0], c.reaction) << c.move;
        computer_answers();
        manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
    }
}

TEST_F(Play, ResignationBelongsToThePlayerAndUndoWithdrawsIt) {
    new_game(level1(1));
    play("e2e4");
    computer_answers();
    reactions();
    manager->command(S::shortcut_resign);
    EXPECT_TRUE(ui.chat_has("Really resign? Yes"));
    EXPECT_EQ(manager->state(), A::state_player_turn);
    ui.beeps.clear();
    manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
    EXPECT_TRUE(ui.chat_has("[player RESIGNS]"));
    EXPECT_EQ(ui.beeps, std::vector<int32_t>{UI::beep_default});
    EXPECT_EQ(manager->state(), A::state_game_over);
    EXPECT_EQ(ui.statuses[1], "Resigns");
    EXPECT_EQ(ui.statuses[2], "");
    EXPECT_FALSE(ui.board_enabled);
    // The resignation is more important than the taunt still waiting, which it drops.
    EXPECT_EQ(reactions(), (std::vector<std::string>{"player_resigns text.", "game_end text.",
                                                     "standup text."}));
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->game().move_count(), 2);
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(ui.statuses[1], "");
    EXPECT_TRUE(ui.board_enabled);
    EXPECT_EQ(reactions(), (std::vector<std::string>{"sitdown text.", "game_continue text."}));
    // A second resignation link after the game is over finds no game.
    manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
    manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
    EXPECT_TRUE(ui.chat_has("[No game in progress]"));
}

// Links stay live while the computer thinks: a resignation ends the game at once, but nothing
// may replace or change the game the search reads until it has returned.
TEST_F(Play, ResignationDuringTheSearch) {
    CHESS_GAME_OPTIONS deep = level1(1);
    deep.max_ply = 4;
    new_game(deep);
    std::vector<int32_t> enabled_during_search;
    ui.on_pump = [&] {
        ui.on_pump = nullptr;
        manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
        manager->follow_link(CHESS_LINK_DATA(std::string("START_MENU"), "new game"));
        manager->command(S::shortcut_new_game);
        manager->command(S::shortcut_load_game);
        manager->command(S::shortcut_undo);
        manager->undo();
        manager->tick();
        enabled_during_search = ui.enabled_commands();
    };
    play("e2e4");
    ASSERT_GT(ui.pumps, 0);
    EXPECT_EQ(enabled_during_search, (std::vector<int32_t>{2, 7, 8, 9, 10}));
    EXPECT_TRUE(ui.chat_has("[game already in progress]"));
    EXPECT_EQ(ui.count("ask_new_game"), 1);
    EXPECT_EQ(ui.count("ask_load_file"), 0);
    EXPECT_EQ(manager->game().move_count(), 1);
    EXPECT_EQ(manager->state(), A::state_game_over);
    EXPECT_TRUE(ui.thinking);

    // The first tick after the search: no move is played, the table comes back, thinking ends.
    manager->tick();
    EXPECT_EQ(manager->game().move_count(), 1);
    EXPECT_EQ(ui.enabled_commands(), (std::vector<int32_t>{1, 2, 3, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(ui.thinking);
    EXPECT_EQ(ui.statuses[1], "Resigns");

    // Withdrawing the resignation gives the turn back to the computer, which was to move.
    manager->command(S::shortcut_undo);
    EXPECT_EQ(manager->state(), A::state_thinking);
    manager->tick();
    EXPECT_EQ(manager->state(), A::state_player_turn);
    EXPECT_EQ(manager->game().move_count(), 2);
}

// Closing while the computer thinks: the game is written as it stood before her move, the search
// stops at once, and nothing is played afterwards.
TEST_F(Play, CloseDuringTheSearch) {
    CHESS_GAME_OPTIONS deep = level1(1);
    deep.max_ply = 30;
    new_game(deep);
    ui.on_pump = [&] { EXPECT_TRUE(manager->autosave()); };
    play("e2e4");
    EXPECT_EQ(ui.pumps, 1);
    EXPECT_FALSE(manager->searching());
    EXPECT_EQ(read_file((install / "lastgame.txt").string()),
              CHESS_GAME_FILE::text(game_of({"e2e4"}), deep, "player", false));
    manager->tick();
    EXPECT_EQ(manager->game().move_count(), 1);
}

TEST_F(Play, StatusRule) {
    struct CASE {
        const char* name;
        std::vector<std::string> moves;
        int32_t player_color;
        bool resigned;
        std::string player_status;
        std::string velmora_status;
        int32_t arrow;
    };
    const std::vector<std::string> fools = {"f2f3", "e7e5", "g2g4", "d8h4"};
    const std::vector<CASE> cases = {
        {"resigned on move", {"e2e4", "e7e5"}, 1, true, "Resigns", "", 1},
        {"resigned while she was to move", {"e2e4"}, 1, true, "Resigns", "", 1},
        {"she mated", fools, 1, false, "", "Winner!", 2},
        {"player mated", fools, 2, false, "Winner!", "", 2},
        {"going on", {"e2e4"}, 2, false, "", "", 2},
    };
    for (const CASE& c : cases) {
        load(save_game_file("status.txt", game_of(c.moves), level1(c.player_color), "player",
                            c.resigned));
        EXPECT_EQ(ui.statuses[c.player_color], c.player_status) << c.name;
        EXPECT_EQ(ui.statuses[3 - c.player_color], c.velmora_status) << c.name;
        EXPECT_EQ(ui.side_to_move, c.arrow) << c.name;
        if (manager->state() != A::state_game_over) {
            manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
        }
    }
}

// Her score follows the board from her side: a queen up, the default reaction is a winning one.
TEST_F(Play, PersonaScoreFollowsHerSide) {
    const CHESS_GAME white_up = game_of({"e2e4", "e7e5", "g1f3", "d8h4", "f3h4"});
    load(save_game_file("up.txt", white_up, level1(2), "player"));
    reactions();
    EXPECT_EQ(last_default.rfind("velmora_winning", 0), 0u) << last_default;
    manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
    load(save_game_file("up.txt", white_up, level1(1), "player"));
    computer_answers();
    reactions();
    EXPECT_EQ(last_default.rfind("player_winning", 0), 0u) << last_default;
}

// "Go easy on me" is the player's setting, read at each game's start: her opening move at level 1
// then depends on the seed, while off she plays the plain search's move whatever the seed, and
// her hints are always the plain search's best.
TEST_F(Play, GoingEasyVariesHerMovesButNeverHerHints) {
    // A new game needs a manager without one: each game in a fresh run of the program, which
    // would resume the last game if it found one.
    const auto fresh_run = [&](const char* setting, int32_t seed) {
        store.values[CHESS_APPLICATION_MANAGER::go_easy_key] = setting;
        manager.reset();
        fs::remove(install / "lastgame.txt");
        restart().seed_go_easy(seed);
    };
    const auto her_first_move = [&](const char* setting, int32_t seed) {
        fresh_run(setting, seed);
        new_game(level1(2));
        manager->tick();
        return manager->game().history().front().move.uci_text();
    };
    std::set<std::string> easy;
    std::set<std::string> plain;
    for (int32_t seed = 1; seed <= 8; ++seed) {
        easy.insert(her_first_move("true", seed));
        plain.insert(her_first_move("false", seed));
    }
    EXPECT_GE(easy.size(), 2u);
    EXPECT_EQ(plain.size(), 1u);

    const auto hint = [&](const char* setting, int32_t seed) {
        fresh_run(setting, seed);
        new_game(level1(1));
        manager->command(S::shortcut_hint);
        manager->tick();
        return ui.chat.back();
    };
    const std::string plain_hint = hint("false", 1);
    for (int32_t seed = 1; seed <= 4; ++seed) {
        EXPECT_EQ(hint("true", seed), plain_hint) << "seed " << seed;
    }
}
