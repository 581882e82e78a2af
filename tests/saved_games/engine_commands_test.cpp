// The saved-game subcommands of velmora-engine, run as a program. The PGN export is read back
// through a strict reader of standard algebraic notation written here, and replayed.
#include "engine/new_game_skill_level.h"
#include "saved_games/chess_game_file.h"
#include "saved_games_support.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string data_folder = std::string(VELMORA_TEST_DATA) + "/saved_games/";
const std::string engine = std::string(VELMORA_TOOLS_DIR) + "/velmora-engine";

struct RUN {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs the engine; with a feed file, its standard input is a pipe that carries the file.
RUN run_engine(const std::string& arguments, const std::string& feed = "") {
    RUN run;
    const std::string error_file = std::filesystem::temp_directory_path() /
                                   ("velmora-engine-" + std::to_string(getpid()) + ".err");
    std::FILE* pipe =
        popen(((feed.empty() ? "" : "cat '" + feed + "' | ") + engine + " " + arguments +
               (feed.empty() ? " </dev/null" : "") + " 2>'" + error_file + "'")
                  .c_str(),
              "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errors(error_file);
    run.err.assign(std::istreambuf_iterator<char>(errors), {});
    std::filesystem::remove(error_file);
    return run;
}

class ENGINE_COMMANDS : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(engine)) << "velmora-engine is not built";
    }
};

// Reads one SAN move in the game's position, insisting on the notation's own rules: the one
// move meant, captures marked, check and mate marked, and no more disambiguation than needed.
std::optional<CHESS_MOVE> read_san(const CHESS_GAME& game, std::string token) {
    using C = CHESS_PIECE_CONSTANTS;
    std::string mark;
    while (!token.empty() && (token.back() == '+' || token.back() == '#')) {
        mark.insert(mark.begin(), token.back());
        token.pop_back();
    }
    std::vector<CHESS_MOVE> fitting;
    const std::string letters = " PBNRQK";
    int32_t promotion_kind = 0;
    if (token.size() > 2 && token[token.size() - 2] == '=') {
        promotion_kind = static_cast<int32_t>(letters.find(token.back()));
        token.resize(token.size() - 2);
    }
    const bool castle = token == "O-O" || token == "O-O-O";
    const int32_t kind = castle                   ? C::king
                         : std::isupper(token[0]) ? static_cast<int32_t>(letters.find(token[0]))
                                                  : 1;
    std::string middle = castle ? "" : token.substr(kind == C::pawn ? 0 : 1);
    const std::string destination =
        castle || middle.size() < 2 ? "" : middle.substr(middle.size() - 2);
    middle.resize(middle.size() - destination.size());
    const bool capture = !middle.empty() && middle.back() == 'x';
    if (capture) {
        middle.pop_back();
    }
    std::vector<CHESS_MOVE> same_target;
    for (const CHESS_MOVE& m : game.legal_moves()) {
        const bool is_castle = m.type == 12 || m.type == 13;
        if (castle) {
            if (is_castle && (m.type == 12) == (token == "O-O")) {
                fitting.push_back(m);
            }
            continue;
        }
        if (is_castle || C::kind_of(m.piece) != kind ||
            CHESS_MOVE::square_name(m.dst) != destination ||
            C::kind_of(m.promoted_piece()) != promotion_kind) {
            continue;
        }
        same_target.push_back(m);
        const std::string from = CHESS_MOVE::square_name(m.src);
        const bool fits = middle.empty() ||
                          (middle.size() == 1 && (middle[0] == from[0] || middle[0] == from[1])) ||
                          middle == from;
        if (fits) {
            fitting.push_back(m);
        }
    }
    if (fitting.size() != 1) {
        return std::nullopt;
    }
    const CHESS_MOVE m = fitting[0];
    // Disambiguation: a pawn capture names its file; other pieces name the file when it
    // suffices, else the rank when it suffices, else both, and nothing when alone.
    const std::string from = CHESS_MOVE::square_name(m.src);
    int32_t same_file = 0, same_rank = 0;
    for (const CHESS_MOVE& other : same_target) {
        same_file += other.src != m.src && other.src % 8 == m.src % 8;
        same_rank += other.src != m.src && (other.src - 1) / 8 == (m.src - 1) / 8;
    }
    std::string expected_middle;
    if (kind == C::pawn) {
        expected_middle = capture ? from.substr(0, 1) : "";
    } else if (!castle && same_target.size() > 1) {
        expected_middle = same_file == 0   ? from.substr(0, 1)
                          : same_rank == 0 ? from.substr(1)
                                           : from;
    }
    const bool captures = m.type == 6 || game.board().is_occupied(m.dst);
    CHESS_GAME after(game.board());
    after.make_move(m);
    const std::string expected_mark = after.check_mate()                             ? "#"
                                      : after.board().in_check(after.side_to_move()) ? "+"
                                                                                     : "";
    if (middle != expected_middle || (capture != captures && !castle) || mark != expected_mark) {
        return std::nullopt;
    }
    return m;
}

struct PGN {
    std::map<std::string, std::string> tags;
    std::vector<std::string> tokens;
};

PGN parse_pgn(const std::string& text) {
    PGN pgn;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 79u) << line;
        if (line.starts_with("[")) {
            const size_t quote = line.find('"');
            pgn.tags[line.substr(1, quote - 2)] =
                line.substr(quote + 1, line.rfind('"') - quote - 1);
            continue;
        }
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            if (!std::isdigit(word[0]) || word.find('-') != std::string::npos) {
                pgn.tokens.push_back(word);
            }
        }
    }
    return pgn;
}

std::string saved(const SCRATCH_FOLDER& folder, const CHESS_GAME& game,
                  const CHESS_GAME_OPTIONS& options, const std::string& nickname, bool resigned) {
    const std::string name = folder.file("game.txt");
    CHESS_GAME_FILE file(name);
    file.write(game, options, nickname, resigned);
    EXPECT_FALSE(file.failed()) << file.error_message();
    return name;
}

} // namespace

TEST_F(ENGINE_COMMANDS, GamePrintsTheFileBackAsItWouldBeSaved) {
    const RUN example = run_engine("game " + data_folder + "alice.txt");
    EXPECT_EQ(example.status, 0);
    EXPECT_EQ(example.out, file_bytes(data_folder + "alice.txt"));

    const RUN edited = run_engine("game " + data_folder + "tolerant.txt");
    EXPECT_EQ(edited.status, 0);
    CHESS_GAME_OPTIONS options;
    options.max_ply = 3;
    options.max_time = 10;
    options.qsearch = true;
    options.player_color = 2;
    EXPECT_EQ(edited.out, CHESS_GAME_FILE::text(game_of("e2e4 e7e5 g1f3"), options,
                                                "Alice  in Wonderland", true));
}

TEST_F(ENGINE_COMMANDS, GameAndPgnPrintTheFailureAsOneLine) {
    SCRATCH_FOLDER folder;
    const std::string name = folder.file("bad.txt");
    put_file_bytes(name, "Nickname a\nOptions 2:60:n:W\n\n1) e2-e4,     e7-e9\n");
    for (const char* command : {"game ", "pgn "}) {
        const RUN run = run_engine(command + name);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, name + ", Line: 4, Invalid move 'e7-e9'\n");
        EXPECT_EQ(run.out, "");
    }
    const RUN missing = run_engine("game " + folder.file("none.txt"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "No such file: " + folder.file("none.txt") + "\n");
    EXPECT_EQ(missing.out, "");
    for (const char* wrong : {"game", "frobnicate"}) {
        const RUN run = run_engine(wrong);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: velmora-engine"), std::string::npos);
    }
    const RUN help = run_engine("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: velmora-engine"), std::string::npos);
    EXPECT_EQ(help.err, "");
}

TEST_F(ENGINE_COMMANDS, GameAndPgnReadAPipe) {
    const std::string file = data_folder + "alice.txt";
    const RUN from_file = run_engine("game " + file);
    ASSERT_EQ(from_file.status, 0);
    for (const char* name : {"-", "/dev/stdin"}) {
        const RUN piped = run_engine(std::string("game ") + name, file);
        EXPECT_EQ(piped.status, 0) << piped.err;
        EXPECT_EQ(piped.out, from_file.out);
        const RUN pgn = run_engine(std::string("pgn ") + name, file);
        EXPECT_EQ(pgn.out, run_engine("pgn " + file).out);
    }
    SCRATCH_FOLDER folder;
    const std::string bad_file = folder.file("bad.txt");
    put_file_bytes(bad_file, "Nickname a\n");
    const RUN bad = run_engine("game -", bad_file);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "stdin, Line: 1, missing options\n");
}

TEST_F(ENGINE_COMMANDS, PgnHasTheSevenTagsAndTheResult) {
    SCRATCH_FOLDER folder;
    CHESS_GAME_OPTIONS black;
    black.player_color = 2;
    struct CASE {
        CHESS_GAME game;
        CHESS_GAME_OPTIONS options;
        bool resigned;
        std::string white, black, result, moves;
    };
    const CASE cases[] = {
        {game_of("f2f3 e7e5 g2g4 d8h4"), CHESS_GAME_OPTIONS(), false, "Ann", "Computer", "0-1",
         "1. f3 e5 2. g4 Qh4# 0-1"},
        {game_of("d2d4 d7d5 g1f3 g8f6 b1d2"), black, true, "Computer", "Ann", "1-0",
         "1. d4 d5 2. Nf3 Nf6 3. Nbd2 1-0"},
        {game_of("e2e4"), CHESS_GAME_OPTIONS(), true, "Ann", "Computer", "0-1", "1. e4 0-1"},
        {CHESS_GAME(), CHESS_GAME_OPTIONS(), false, "Ann", "Computer", "*", "*"},
    };
    for (const CASE& c : cases) {
        const RUN run = run_engine("pgn " + saved(folder, c.game, c.options, "Ann", c.resigned));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "[Event \"Velmora Chess game\"]\n[Site \"?\"]\n[Date \"????.??.??\"]\n"
                           "[Round \"-\"]\n[White \"" +
                               c.white + "\"]\n[Black \"" + c.black + "\"]\n[Result \"" + c.result +
                               "\"]\n\n" + c.moves + "\n\n");
    }
}

TEST_F(ENGINE_COMMANDS, PgnMovesReplayThroughAStrictSanReader) {
    SCRATCH_FOLDER folder;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const CHESS_GAME game = random_game(seed, 600);
        const RUN run =
            run_engine("pgn " + saved(folder, game, CHESS_GAME_OPTIONS(), "Ann", false));
        ASSERT_EQ(run.status, 0);
        const PGN pgn = parse_pgn(run.out);
        ASSERT_FALSE(pgn.tokens.empty());
        EXPECT_EQ(pgn.tags.at("Result"), pgn.tokens.back());
        CHESS_GAME replay;
        for (size_t i = 0; i + 1 < pgn.tokens.size(); ++i) {
            const std::optional<CHESS_MOVE> m = read_san(replay, pgn.tokens[i]);
            ASSERT_TRUE(m) << "seed " << seed << ": " << pgn.tokens[i];
            replay.make_move(*m);
        }
        EXPECT_EQ(replay.move_count(), game.move_count()) << seed;
        EXPECT_TRUE(replay.board() == game.board()) << seed;
    }
}

TEST_F(ENGINE_COMMANDS, ReviewPrintsEveryPlyThenTheTurningPoints) {
    SCRATCH_FOLDER folder;
    // Black's 3...Nf6 allows the scholar's mate; White's 4.d3 misses it and hangs the queen.
    const std::string scholar = saved(folder, game_of("e2e4 e7e5 f1c4 b8c6 d1h5 g8f6 d2d3"),
                                      CHESS_GAME_OPTIONS(), "Alice", false);
    const RUN run = run_engine("review " + scholar);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "1 W e4 0 0\n"
                       "2 B e5 35 38\n"
                       "3 W Bc4 13 -10\n"
                       "4 B Nc6 25 25\n"
                       "5 W Qh5 -5 -47\n"
                       "6 B Nf6 -12 #1 blunder\n"
                       "7 W d3 #1 -895 missed-win\n"
                       "\n"
                       "turning point: ply 6: Nf6 (better g6, loses 2012)\n"
                       "turning point: ply 7: d3 (better Qxf7#, loses 2895)\n");

    // The fool's mate from White's side: the mate given is the "best" move, "#-0" once on the
    // board; the depth may come first.
    const std::string fools =
        saved(folder, game_of("f2f3 e7e5 g2g4 d8h4"), CHESS_GAME_OPTIONS(), "Alice", false);
    const RUN shallow = run_engine("review --depth 3 " + fools);
    EXPECT_EQ(shallow.status, 0);
    EXPECT_NE(shallow.out.find("\n3 W g4 "), std::string::npos) << shallow.out;
    EXPECT_NE(shallow.out.find(" #-1 blunder\n4 B Qh4# #-1 #-0 best\n\nturning point: ply 3: g4 ("),
              std::string::npos)
        << shallow.out;
}

TEST_F(ENGINE_COMMANDS, ReviewOfAnUnreadableFileOrWithWrongArgumentsFails) {
    SCRATCH_FOLDER folder;
    const RUN missing = run_engine("review " + folder.file("none.txt"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "No such file: " + folder.file("none.txt") + "\n");
    EXPECT_EQ(missing.out, "");
    const std::string game = saved(folder, game_of("e2e4"), CHESS_GAME_OPTIONS(), "Alice", false);
    for (const std::string& arguments :
         {std::string("review"), "review " + game + " --depth", "review " + game + " --depth 0",
          "review " + game + " --depth x", "review " + game + " " + game}) {
        const RUN run = run_engine(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err, "") << arguments;
    }
}
