// The PGN text of a game: tag values escaped, and the movetext filled greedily into lines of at
// most 79 characters.
#include "saved_games/chess_pgn_writer.h"
#include "saved_games_support.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

TEST(PgnWriter, QuotesAndBackslashesInTheNicknameAreEscaped) {
    const std::string text =
        CHESS_PGN_WRITER::text(CHESS_GAME(), CHESS_GAME_OPTIONS(), "Ann \"the\\one\"", false);
    EXPECT_NE(text.find("[White \"Ann \\\"the\\\\one\\\"\"]\n"), std::string::npos) << text;
}

TEST(PgnWriter, MovetextLinesAreFilledUpToTheLimit) {
    const std::string text =
        CHESS_PGN_WRITER::text(random_game(3, 300), CHESS_GAME_OPTIONS(), "Ann", false);
    const std::string movetext = text.substr(text.find("\n\n") + 2);
    std::vector<std::string> lines;
    std::istringstream in(movetext);
    for (std::string line; std::getline(in, line) && !line.empty();) {
        lines.push_back(line);
    }
    ASSERT_GT(lines.size(), 3u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), CHESS_PGN_WRITER::line_limit) << lines[i];
        EXPECT_NE(lines[i].front(), ' ');
        EXPECT_NE(lines[i].back(), ' ');
        if (i + 1 < lines.size()) {
            const std::string next_token = lines[i + 1].substr(0, lines[i + 1].find(' '));
            EXPECT_GT(lines[i].size() + 1 + next_token.size(), CHESS_PGN_WRITER::line_limit)
                << "line " << i << " had room for " << next_token;
        }
    }
}
