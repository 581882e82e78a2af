#include "app/chess_move_words.h"
#include "app_test_support.h"
#include "saved_games/chess_pgn_writer.h"

using namespace app_test;

namespace {

CHESS_GAME game_of(std::initializer_list<const char*> moves) {
    CHESS_GAME game;
    for (const char* text : moves) {
        for (const CHESS_MOVE& m : game.legal_moves()) {
            if (m.uci_text() == text) {
                game.make_move(m);
                break;
            }
        }
    }
    return game;
}

} // namespace

TEST(MoveWords, SaysEveryKindOfMove) {
    const struct {
        const char* san;
        const char* move;
        const char* check;
    } cases[] = {
        {"Nf6", "knight f6", ""},
        {"exd6", "pawn takes d6", ""},
        {"Nbxd7+", "knight takes d7", "check"},
        {"R1a3", "rook a3", ""},
        {"O-O", "castles kingside", ""},
        {"O-O-O+", "castles queenside", "check"},
        {"Qh4#", "queen h4", "checkmate"},
        {"e8=Q", "pawn e8 promotes to queen", ""},
        {"fxg1=N#", "pawn takes g1 promotes to knight", "checkmate"},
        {"Kxe2", "king takes e2", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CHESS_MOVE_WORDS::move(c.san), c.move) << c.san;
        EXPECT_EQ(CHESS_MOVE_WORDS::check(c.san), c.check) << c.san;
    }
}

class Notation : public APP_TEST {
  protected:
    void SetUp() override {
        APP_TEST::SetUp();
        start();
    }
};

// Both notations reach the list; only moves played now are announced, never a game's moves
// put back into the list when it is loaded.
TEST_F(Notation, MovesReachTheWindowInBothFormsAndOnlyPlayedMovesAreAnnounced) {
    const CHESS_GAME played = game_of({"e2e4", "d7d5", "e4d5", "d8d5", "b1c3"});
    load(save_game_file("five.txt", played, level1(2), "ada"));
    EXPECT_EQ(ui.history, (std::vector<std::string>{"e2-e4", "d7-d5", "e4xd5", "d8xd5", "b1-c3"}));
    EXPECT_EQ(ui.san_history, (std::vector<std::string>{"e4", "d5", "exd5", "Qxd5", "Nc3"}));
    EXPECT_EQ(ui.count("move_played"), 0);

    ASSERT_EQ(manager->state(), CHESS_APP_STATE_CONSTANTS::state_player_turn);
    play("d5a5");
    EXPECT_EQ(ui.san_history.back(), "Qa5");
    const RECORDED_CALL* announced = ui.last("move_played");
    ASSERT_NE(announced, nullptr);
    EXPECT_EQ(announced->numbers, std::vector<int32_t>{2});
    EXPECT_EQ(announced->text, "Qa5");
    computer_answers();
    EXPECT_EQ(ui.count("move_played"), 2);
    EXPECT_EQ(ui.last("move_played")->numbers, std::vector<int32_t>{1});
    EXPECT_EQ(ui.san_history.size(), ui.history.size());
}

// Export writes what `velmora-engine pgn` prints for the same game saved; a file that cannot
// be written is told like a failed save and leaves nothing behind.
TEST_F(Notation, ExportWritesThePgnOfTheGameOrTellsWhyNot) {
    new_game(level1(1));
    play("e2e4");
    computer_answers();
    const std::string saved = (root / "saved.txt").string();
    ui.save_answers.push_back(saved);
    manager->command(CHESS_SHORTCUT_CONSTANTS::shortcut_save_game);
    CHESS_GAME_FILE file(saved);
    file.read();
    ASSERT_FALSE(file.failed()) << file.error_message();

    const std::string pgn = (root / "game.pgn").string();
    manager->export_pgn(pgn);
    const CHESS_SAVED_GAME& game = file.saved_game();
    EXPECT_EQ(read_file(pgn),
              CHESS_PGN_WRITER::text(game.game, game.options, game.nickname, game.resigned));
    EXPECT_TRUE(ui.chat_has("Saved to " + pgn + "."));

    const std::string bad = (root / "no_such_folder" / "game.pgn").string();
    ui.beeps.clear();
    manager->export_pgn(bad);
    EXPECT_TRUE(ui.chat_has("Save failed: file is not writeable: " + bad));
    EXPECT_EQ(ui.beeps.size(), 1u);
    EXPECT_FALSE(fs::exists(bad));
}
