#include "engine/new_game_skill_level.h"
#include "saved_games/chess_game_file.h"
#include "saved_games_support.h"

#include <gtest/gtest.h>

namespace {

const std::string data_folder = std::string(VELMORA_TEST_DATA) + "/saved_games/";

// Castling both ways, en passant, promotions (one giving check, one to a knight) and captures.
const char* const rich_moves = "e2e4 d7d5 e4e5 f7f5 e5f6 b8c6 f6g7 c8e6 g7h8q d8d6 g1f3 e8c8 "
                               "f1e2 d6b4 e1g1 b4b2 h8h7 b2a1 h7g8 a1b1 d2d4 b1c1 d1c1 c6d4 f3d4 "
                               "a7a5 h2h4 a5a4 h4h5 a4a3 h5h6 b7b5 h6h7 b5b4 h7h8n";

std::vector<CHESS_MOVE> moves_of(const CHESS_GAME& game) {
    std::vector<CHESS_MOVE> moves;
    for (const CHESS_GAME_HISTORY_ITEM& item : game.history()) {
        moves.push_back(item.move);
    }
    return moves;
}

CHESS_GAME_FILE read_file(const std::string& name) {
    CHESS_GAME_FILE file(name);
    file.read();
    return file;
}

} // namespace

TEST(SavedGameWrite, ExampleGameIsWrittenByteForByte) {
    SCRATCH_FOLDER folder;
    CHESS_GAME_FILE file(folder.file("game.txt"));
    file.write(game_of("e2e4 e7e5 g1f3"), CHESS_GAME_OPTIONS(), "Alice", false);
    ASSERT_FALSE(file.failed()) << file.error_message();
    EXPECT_EQ(file_bytes(folder.file("game.txt")), file_bytes(data_folder + "alice.txt"));
}

TEST(SavedGameWrite, TailsByMoveCountAndResignation) {
    const std::string head = "\n\nNickname Bob\n\nOptions 2:60:n:W\n\n";
    const CHESS_GAME_OPTIONS options;
    EXPECT_EQ(CHESS_GAME_FILE::text(CHESS_GAME(), options, "Bob", false), head + "\n\n\n");
    EXPECT_EQ(CHESS_GAME_FILE::text(game_of("e2e4"), options, "Bob", false),
              head + "1) e2-e4,\n\n\n");
    EXPECT_EQ(CHESS_GAME_FILE::text(game_of("e2e4 e7e5 g1f3 b8c6"), options, "Bob", true),
              head + "1) e2-e4,     e7-e5\n2) g1-f3,     b8-c6\n\nResigned\n\n");
    CHESS_GAME_OPTIONS black = NEW_GAME_SKILL_LEVEL::options_for(20, options);
    black.player_color = 2;
    EXPECT_EQ(CHESS_GAME_FILE::text(CHESS_GAME(), black, "Bob", false),
              "\n\nNickname Bob\n\nOptions 40:120:y:B\n\n\n\n\n");
}

TEST(SavedGameRoundTrip, GamesReadBackAsWritten) {
    SCRATCH_FOLDER folder;
    CHESS_GAME_OPTIONS options = NEW_GAME_SKILL_LEVEL::options_for(12, CHESS_GAME_OPTIONS());
    options.player_color = 2;
    struct CASE {
        CHESS_GAME game;
        std::string nickname;
        bool resigned;
    };
    const CASE cases[] = {
        {CHESS_GAME(), "player", false},
        {game_of("e2e4"), "one move", false},
        {game_of(rich_moves), "Alice  in Wonderland", true},
        {game_of("f2f3 e7e5 g2g4 d8h4"), "mated", false},
        {random_game(7, 400), "random", false},
    };
    for (const CASE& c : cases) {
        CHESS_GAME_FILE writer(folder.file("round.txt"));
        writer.write(c.game, options, c.nickname, c.resigned);
        ASSERT_FALSE(writer.failed()) << writer.error_message();
        const CHESS_GAME_FILE reader = read_file(folder.file("round.txt"));
        ASSERT_FALSE(reader.failed()) << reader.error_message();
        EXPECT_EQ(moves_of(reader.saved_game().game), moves_of(c.game)) << c.nickname;
        EXPECT_TRUE(reader.saved_game().game.board() == c.game.board()) << c.nickname;
        EXPECT_EQ(reader.saved_game().game.check_mate(), c.game.check_mate());
        EXPECT_EQ(reader.saved_game().nickname, c.nickname);
        EXPECT_EQ(reader.saved_game().options, options);
        EXPECT_EQ(reader.saved_game().resigned, c.resigned);
    }
}

TEST(SavedGameRoundTrip, OneMoveGameReadsBackWithBlackToMove) {
    const CHESS_GAME_FILE file = read_file(data_folder + "alice.txt");
    ASSERT_FALSE(file.failed()) << file.error_message();
    EXPECT_EQ(file.saved_game().game.move_count(), 3);
    EXPECT_EQ(file.saved_game().game.side_to_move(), 2);
    EXPECT_EQ(file.saved_game().game.last_move_text(), "g1-f3");
    EXPECT_EQ(file.saved_game().nickname, "Alice");
    EXPECT_EQ(file.saved_game().options, CHESS_GAME_OPTIONS());
    EXPECT_FALSE(file.saved_game().resigned);
}

TEST(SavedGameRead, ToleratesCaseOrderTabsBlanksAndWindowsLineEnds) {
    const CHESS_GAME_FILE file = read_file(data_folder + "tolerant.txt");
    ASSERT_FALSE(file.failed()) << file.error_message();
    EXPECT_EQ(moves_of(file.saved_game().game), moves_of(game_of("e2e4 e7e5 g1f3")));
    EXPECT_EQ(file.saved_game().nickname, "Alice  in Wonderland");
    CHESS_GAME_OPTIONS options;
    options.max_ply = 3;
    options.max_time = 10;
    options.qsearch = true;
    options.player_color = 2;
    EXPECT_EQ(file.saved_game().options, options);
    EXPECT_TRUE(file.saved_game().resigned);
}

TEST(SavedGameRead, EveryFailureNamesItsLine) {
    const std::string nick = "Nickname A\n";
    const std::string opts = "Options 2:60:n:W\n";
    struct CASE {
        std::string content;
        std::string message;
    };
    const CASE cases[] = {
        {"", "Line: 0, missing nickname"},
        {"\n\n\n", "Line: 3, missing nickname"},
        {opts + "\n", "Line: 2, missing nickname"},
        {nick, "Line: 1, missing options"},
        {nick + "\n", "Line: 2, missing options"},
        {"Nickname A", "Line: 1, missing options"},
        {nick + opts + "1) e2-e4,\n" + "\n" + "Options 3:60:n:W\n", "Line: 5, duplicate options"},
        {nick + opts + "nickname B\n", "Line: 3, duplicate nickname"},
        {nick + opts + "NICKNAME\n", "Line: 3, duplicate nickname"},
        {"\nNickname  \t \n", "Line: 2, nickname syntax error"},
        {nick + "Nick A\n", "Line: 2, syntax error"},
        {nick + "Options 2:60:n\n", "Line: 2, syntax error"},
        {nick + "Options 2:60:n:W:x\n", "Line: 2, syntax error"},
        {nick + "Resigned!\n", "Line: 2, syntax error"},
        {nick + "Options2:60:n:W\n", "Line: 2, syntax error in options"},
        {nick + "Options:2 :60:n\n", "Line: 2, missing values in options"},
        {nick + "Options x:60:n:W\n", "Line: 2, 1st arg, max_ply is not an integer"},
        {nick + "Options 2 :60:n:W\n", "Line: 2, 1st arg, max_ply is not an integer"},
        {nick + "Options 2147483648:60:n:W\n", "Line: 2, 1st arg, max_ply is not an integer"},
        {nick + "Options 99999999999999999999:x:n:W\n",
         "Line: 2, 1st arg, max_ply is not an integer"},
        {nick + "Options 2: 60:n:W\n", "Line: 2, 2nd arg, max_time is not an integer"},
        {nick + "Options 2:x:n:W\n", "Line: 2, 2nd arg, max_time is not an integer"},
        {nick + "Options 2:-2147483649:n:W\n", "Line: 2, 2nd arg, max_time is not an integer"},
        {nick + "Options 2:+:n:W\n", "Line: 2, 2nd arg, max_time is not an integer"},
        {nick + "Options 2:60:yes:W\n", "Line: 2, 3rd arg, invalid wantq_search value"},
        {nick + "Options 2:60::W\n", "Line: 2, 3rd arg, invalid wantq_search value"},
        {nick + "Options 2:60:n:\n", "Line: 2, 4th arg, invalid side-color value"},
        {nick + "Options 1:60:n:W\n", "Line: 2, max_ply too small (<= 1)"},
        {nick + "Options -2147483648:0:Y:x\n", "Line: 2, max_ply too small (<= 1)"},
        {nick + "Options 65:0:n:W\n", "Line: 2, max_ply too large (> 64)"},
        {nick + "Options 2:0:n:W\n", "Line: 2, max_time too small (<= 0)"},
        {nick + "Options 2:3601:n:W\n", "Line: 2, max_time too large (> 3600)"},
        {nick + "Options 2:60:Y:W\n", "Line: 2, want_qsearch must be 'y' or 'n'"},
        {nick + "Options 2:60:n:w\n", "Line: 2, side-color must be 'B' or 'W'"},
        {nick + opts + "a) e2-e4,\n", "Line: 3, invalid move number"},
        {nick + opts + "1 ) e2-e4,\n", "Line: 3, invalid move number"},
        {nick + opts + "4294967297) e2-e4,\n", "Line: 3, invalid move number"},
        {nick + opts + "e2-e4, 1) e7-e5\n", "Line: 3, invalid move number"},
        {nick + opts + "2) e2-e4,\n", "Line: 3, move number is out of sequence"},
        {nick + opts + "1) e2-e4,     e7-e5\n\n1) g1-f3,\n",
         "Line: 5, move number is out of sequence"},
        {nick + opts + "1) e2-e5,\n", "Line: 3, Invalid move 'e2-e5'"},
        {nick + opts + "1) ,\n", "Line: 3, Invalid move ''"},
        {nick + opts + "1) E2-E4,\n", "Line: 3, Invalid move 'E2-E4'"},
        {nick + opts + "1) e2-e4,  e7-e6+\n", "Line: 3, Invalid move 'e7-e6+'"},
        {nick + opts + "1) e2 - e4,\n", "Line: 3, Invalid move 'e2 - e4'"},
        {opts + "1) f2-f3,     e7-e5\n2) g2-g4,     d8-h4+\n3) a2-a3,\n",
         "Line: 4, Invalid move 'a2-a3'"},
    };
    SCRATCH_FOLDER folder;
    const std::string name = folder.file("bad.txt");
    for (const CASE& c : cases) {
        put_file_bytes(name, c.content);
        const CHESS_GAME_FILE file = read_file(name);
        EXPECT_TRUE(file.failed()) << c.content;
        EXPECT_EQ(file.error_message(), name + ", " + c.message) << c.content;
    }
}

TEST(SavedGameRead, MovesBeforeAFailureStayReplayed) {
    SCRATCH_FOLDER folder;
    put_file_bytes(folder.file("g.txt"), "1) e2-e4,     e7-e5\n2) g1-f3,     x\n");
    const CHESS_GAME_FILE file = read_file(folder.file("g.txt"));
    EXPECT_EQ(file.error_message(), folder.file("g.txt") + ", Line: 2, Invalid move 'x'");
    EXPECT_EQ(file.saved_game().game.move_count(), 3);
}

TEST(SavedGameRead, MissingAndUnreadableFilesCarryNoLine) {
    SCRATCH_FOLDER folder;
    const CHESS_GAME_FILE missing = read_file(folder.file("none.txt"));
    EXPECT_TRUE(missing.failed());
    EXPECT_EQ(missing.error_message(), "No such file: " + folder.file("none.txt"));
    const CHESS_GAME_FILE folder_file = read_file(folder.path().string());
    EXPECT_TRUE(folder_file.failed());
    EXPECT_EQ(folder_file.error_message(), "File is not readable: " + folder.path().string());
}

TEST(SavedGameRead, PromotionsCastlingAndEnPassantAreMatchedByTheirText) {
    const CHESS_GAME game = game_of(rich_moves);
    const std::string text = CHESS_GAME_FILE::text(game, CHESS_GAME_OPTIONS(), "x", false);
    for (const char* expected :
         {"3) e5xf6 e.p.,", "5) g7xh8 =Q,", "o-o-o", "8) o-o,", "h7xg8", "18) h7-h8 =N,"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}
