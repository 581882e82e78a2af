// The character speaks of the move she reacts to: the move reactions' texts get the move in
// standard notation, the piece that moved, the piece taken and the square reached.
#include "app_test_support.h"
#include "persona/velmora_seal.h"
#include "rules/chess_san.h"

#include <sstream>

using namespace app_test;

namespace {

using A = CHESS_APP_STATE_CONSTANTS;

class MoveChat : public APP_TEST {
  protected:
    // Every move reaction of the fixture says "<group>: $move, $piece, $captured, $square."
    void SetUp() override {
        APP_TEST::SetUp();
        const std::string path = (install / "velmora_chess.dat").string();
        std::istringstream in(read_file(path));
        std::string rewritten;
        for (std::string line; std::getline(in, line);) {
            rewritten += move_reaction_line(line) + "\n";
        }
        write_file(path, rewritten);
        const VELMORA_SEAL seal(path);
        ASSERT_FALSE(seal.failed()) << seal.error_message();
        start();
    }

    // "T player_moves text." becomes "T player_moves: $move, $piece, $captured, $square."; any
    // other line stays as it is.
    static std::string move_reaction_line(const std::string& line) {
        const std::string head = "T ";
        const std::string tail = " text.";
        if (line.rfind(head, 0) != 0 || line.size() <= head.size() + tail.size() ||
            line.compare(line.size() - tail.size(), tail.size(), tail) != 0) {
            return line;
        }
        const std::string group = line.substr(head.size(), line.size() - head.size() - tail.size());
        const std::size_t underscore = group.find('_');
        const std::string mover = group.substr(0, underscore);
        const std::string what =
            underscore == std::string::npos ? "" : group.substr(underscore + 1);
        const bool move_reaction =
            (mover == "player" || mover == "velmora") &&
            (what == "checks" || what == "castles" || what == "promotes" || what == "ep_captures" ||
             what == "moves" || what.rfind("captures_", 0) == 0);
        return move_reaction ? head + group + ": $move, $piece, $captured, $square." : line;
    }

    // The last move of the game in standard notation.
    std::string last_reaction_move() const {
        const CHESS_GAME_HISTORY_ITEM& last = manager->game().history().back();
        return CHESS_SAN::text(last.board, last.move);
    }

    // The $move a reaction line shows.
    static std::string said_move(const std::string& line) {
        const std::size_t from = line.find(": ") + 2;
        return line.substr(from, line.find(',', from) - from);
    }
};

} // namespace

TEST_F(MoveChat, AMoveReactionShowsTheMoveItReactsTo) {
    struct CASE {
        std::vector<std::string> before;
        std::string move;
        std::string reaction;
    };
    const std::vector<CASE> cases = {
        {{"e2e4", "f7f5", "d1h5", "g7g6"}, "h5g6", "player_checks: Qxg6+, queen, pawn, g6."},
        {{"e2e4", "d7d5"}, "e4d5", "player_captures_pawn: exd5, pawn, pawn, d5."},
        {{"e2e4", "g8f6", "d2d3", "f6g4"},
         "d1g4",
         "player_captures_knight: Qxg4, queen, knight, g4."},
        {{"e2e4", "g8f6", "e4e5", "d7d5"}, "e5d6", "player_ep_captures: exd6, pawn, pawn, d6."},
        {{"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "g8f6"},
         "e1g1",
         "player_castles: O-O, king, , g1."},
        {{"h2h4", "g7g5", "h4g5", "h7h6", "g5h6", "a7a6", "h6h7", "a6a5"},
         "h7g8q",
         "player_promotes: hxg8=Q, pawn, knight, g8."},
        {{"e2e4"}, "e7e5", "player_moves: e5, pawn, , e5."},
    };
    for (const CASE& c : cases) {
        const int32_t color = c.before.size() % 2 == 0 ? 1 : 2;
        load(save_game_file("events.txt", game_of(c.before), level1(color), "player"));
        ASSERT_EQ(manager->state(), A::state_player_turn) << c.move;
        reactions();
        play(c.move);
        const std::vector<std::string> players = reactions();
        ASSERT_FALSE(players.empty()) << c.move;
        EXPECT_EQ(players[0], c.reaction);
        computer_answers();
        ASSERT_EQ(manager->state(), A::state_player_turn) << c.move;
        const std::vector<std::string> hers = reactions();
        ASSERT_FALSE(hers.empty()) << c.move;
        EXPECT_EQ(hers[0].rfind("velmora_", 0), 0u) << hers[0];
        EXPECT_EQ(said_move(hers[0]), last_reaction_move()) << hers[0];
        manager->follow_link(CHESS_LINK_DATA(std::string("RESIGN_GAME"), "Yes"));
    }
}

// In debug mode a move reaction raised by hand speaks of the last move of the game.
TEST_F(MoveChat, ADebugMoveReactionSpeaksOfTheLastMove) {
    const std::string persona = (install / "velmora_chess.dat").string();
    std::string text = read_file(persona);
    text.replace(text.find("\nD 0"), 4, "\nD 1");
    write_file(persona, text);
    ASSERT_FALSE(VELMORA_SEAL(persona).failed());
    restart();
    load(save_game_file("debug.txt", game_of({"e2e4", "d7d5"}), level1(1), "player"));
    reactions();
    ui.debug_answers.push_back(std::vector<std::string>{"pNORMAL"});
    manager->command(CHESS_SHORTCUT_CONSTANTS::shortcut_help);
    EXPECT_EQ(reactions(), std::vector<std::string>{"player_moves: d5, pawn, , d5."});
}

// A reaction waits in the queue while the game goes on; it still speaks of its own move.
TEST_F(MoveChat, AQueuedReactionKeepsItsOwnMove) {
    load(save_game_file("queued.txt", game_of({"e2e4"}), level1(2), "player"));
    reactions();
    play("e7e5");
    computer_answers();
    ASSERT_EQ(manager->state(), A::state_player_turn);
    const std::vector<std::string> said = reactions();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0], "player_moves: e5, pawn, , e5.");
    EXPECT_EQ(said_move(said[1]), last_reaction_move()) << said[1];
}
