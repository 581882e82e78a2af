// The engine tool as a chess program sees it: a child process spoken to through pipes.
#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength.h"
#include "rules/chess_game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <poll.h>
#include <set>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string engine_path = std::string(VELMORA_TOOLS_DIR) + "/velmora-engine";

class ENGINE_PROCESS {
  public:
    explicit ENGINE_PROCESS(const std::vector<std::string>& args = {}) {
        int to_child[2];
        int from_child[2];
        if (pipe(to_child) != 0 || pipe(from_child) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(to_child[0], STDIN_FILENO);
            dup2(from_child[1], STDOUT_FILENO);
            close(to_child[1]);
            close(from_child[0]);
            std::vector<char*> argv{const_cast<char*>(engine_path.c_str())};
            for (const std::string& arg : args) {
                argv.push_back(const_cast<char*>(arg.c_str()));
            }
            argv.push_back(nullptr);
            execv(engine_path.c_str(), argv.data());
            _exit(127);
        }
        close(to_child[0]);
        close(from_child[1]);
        in_ = to_child[1];
        out_ = from_child[0];
    }
    ~ENGINE_PROCESS() {
        close_input();
        if (out_ >= 0) {
            close(out_);
        }
        if (pid_ > 0 && exit_status() < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    void send(const std::string& line) {
        const std::string text = line + "\n";
        ASSERT_EQ(write(in_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void close_input() {
        if (in_ >= 0) {
            close(in_);
            in_ = -1;
        }
    }
    // Lines up to and including the first that starts with prefix; empty on time-out.
    std::vector<std::string> read_until(const std::string& prefix, int timeout_ms = 20000) {
        std::vector<std::string> lines;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
        while (std::chrono::steady_clock::now() < deadline) {
            for (size_t end; (end = buffer_.find('\n')) != std::string::npos;) {
                lines.push_back(buffer_.substr(0, end));
                buffer_.erase(0, end + 1);
                if (lines.back().rfind(prefix, 0) == 0) {
                    return lines;
                }
            }
            pollfd fd{out_, POLLIN, 0};
            if (poll(&fd, 1, 100) > 0) {
                char chunk[4096];
                const ssize_t n = read(out_, chunk, sizeof chunk);
                if (n <= 0) {
                    break;
                }
                buffer_.append(chunk, static_cast<size_t>(n));
            }
        }
        return {};
    }
    // The exit status once the process has ended, else -1 (waits up to timeout_ms).
    int exit_status(int timeout_ms = 0) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
        do {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
                return status_;
            }
            if (status_ >= 0) {
                return status_;
            }
            usleep(10000);
        } while (std::chrono::steady_clock::now() < deadline);
        return -1;
    }

  private:
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    int status_ = -1;
    std::string buffer_;
};

class UciSession : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(engine_path)) << "velmora-engine is not built";
    }
};

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::vector<std::string> words_after(const std::string& line, const std::string& marker) {
    std::vector<std::string> words;
    const size_t at = line.find(marker);
    if (at == std::string::npos) {
        return words;
    }
    std::istringstream stream(line.substr(at + marker.size()));
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string best_move(const std::vector<std::string>& lines) {
    return lines.empty() ? "" : words_after(lines.back(), "bestmove").at(0);
}

size_t count_prefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const auto& line) { return starts_with(line, prefix); }));
}

// Plays UCI moves in a game; false at the first that is not legal there.
bool all_legal(CHESS_GAME game, const std::vector<std::string>& moves) {
    for (const std::string& text : moves) {
        const auto legal = game.legal_moves();
        const auto found = std::find_if(legal.begin(), legal.end(),
                                        [&](const CHESS_MOVE& m) { return m.uci_text() == text; });
        if (found == legal.end()) {
            return false;
        }
        game.make_move(*found);
    }
    return true;
}

TEST_F(UciSession, HandshakeOptionsAndReadiness) {
    ENGINE_PROCESS engine;
    engine.send("uci");
    const auto lines = engine.read_until("uciok");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "id name Velmora Chess");
    for (const char* option : {"option name Hash type spin default 8 min 1 max 1024",
                               "option name Clear Hash type button",
                               "option name Move Overhead type spin default 30 min 0 max 5000",
                               "option name Ponder type check default false",
                               "option name MultiPV type spin default 1 min 1 max 1",
                               "option name Skill Level type spin default 20 min 1 max 20",
                               "option name QSearch type check default true",
                               "option name Go Easy type check default false",
                               "option name UCI_LimitStrength type check default false",
                               "option name OwnBook type check default false"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), option), lines.end()) << option;
    }
    for (const char* option :
         {"setoption name Hash value 2", "setoption name Clear Hash",
          "setoption name move overhead value 50", "setoption name Ponder value true",
          "setoption name MultiPV value 1"}) {
        engine.send(option);
    }
    engine.send("setoption name Hash value 0");
    EXPECT_EQ(engine.read_until("info string").back(),
              "info string invalid option: name Hash value 0");
    engine.send("isready");
    EXPECT_EQ(engine.read_until("readyok").size(), 1u);
}

// UCI_Elo picks the row of the strength table nearest to it: the lowest rating plays the weakest
// row's level, whose fixed depth the last iteration shows.
TEST_F(UciSession, LimitStrengthPlaysTheNearestLevel) {
    const std::vector<NEW_GAME_STRENGTH>& rows = NEW_GAME_STRENGTH::table();
    ASSERT_FALSE(rows.empty());
    const NEW_GAME_STRENGTH weakest = *std::min_element(
        rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.rating < b.rating; });
    ENGINE_PROCESS engine;
    engine.send("uci");
    const auto handshake = engine.read_until("uciok");
    EXPECT_EQ(count_prefix(handshake, "option name UCI_Elo type spin default "), 1u);
    engine.send("setoption name UCI_LimitStrength value true");
    engine.send("setoption name UCI_Elo value 0"); // below the table: its lowest row
    engine.send("position startpos");
    engine.send("go");
    const auto lines = engine.read_until("bestmove");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(words_after(lines[lines.size() - 2], "info depth").at(0),
              std::to_string(NEW_GAME_SKILL_LEVEL::level(weakest.level).ply));
}

// Going easy through UCI: fresh engines seed from the clock, so their first moves differ.
TEST_F(UciSession, GoEasyVariesTheMovesOfALowLevel) {
    std::vector<std::string> moves;
    for (int run = 0; run < 6; ++run) {
        ENGINE_PROCESS engine;
        engine.send("setoption name Skill Level value 1");
        engine.send("setoption name Go Easy value true");
        engine.send("position startpos");
        engine.send("go");
        moves.push_back(best_move(engine.read_until("bestmove")));
        EXPECT_TRUE(all_legal(CHESS_GAME(), {moves.back()})) << moves.back();
        usleep(3000); // another millisecond, another seed
    }
    std::sort(moves.begin(), moves.end());
    EXPECT_GE(std::unique(moves.begin(), moves.end()) - moves.begin(), 2);
}

TEST_F(UciSession, GoDepthReportsEveryIterationWithALegalLine) {
    ENGINE_PROCESS engine;
    engine.send("position startpos moves e2e4 e7e5 g1f3");
    engine.send("go depth 4");
    const auto lines = engine.read_until("bestmove");
    ASSERT_EQ(lines.size(), 4u);
    CHESS_GAME game;
    for (const char* text : {"e2e4", "e7e5", "g1f3"}) {
        const auto legal = game.legal_moves();
        game.make_move(*std::find_if(legal.begin(), legal.end(),
                                     [&](const CHESS_MOVE& m) { return m.uci_text() == text; }));
    }
    for (size_t i = 0; i < 3; ++i) {
        const std::string depth = std::to_string(i + 2);
        EXPECT_TRUE(starts_with(lines[i], "info depth " + depth + " seldepth ")) << lines[i];
        for (const char* field : {" score cp ", " nodes ", " nps ", " hashfull ", " time "}) {
            EXPECT_NE(lines[i].find(field), std::string::npos) << lines[i];
        }
        const auto pv = words_after(lines[i], " pv ");
        EXPECT_FALSE(pv.empty());
        EXPECT_TRUE(all_legal(game, pv)) << lines[i];
    }
    const auto last = words_after(lines[2], " pv ");
    EXPECT_EQ(lines.back(), "bestmove " + last.at(0) + " ponder " + last.at(1));
}

// With OwnBook on, a position inside the book is answered from it at once, and each run of the
// program draws with a seed of its own; out of the book, and with OwnBook off, the search plays.
TEST_F(UciSession, OwnBookAnswersInsideTheBookAtRandom) {
    std::set<std::string> replies;
    for (int run = 0; run < 10; ++run) {
        ENGINE_PROCESS engine;
        engine.send("setoption name OwnBook value true");
        engine.send("position startpos moves e2e4");
        engine.send("go depth 1");
        const auto lines = engine.read_until("bestmove");
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines.front(), "info string book move");
        const auto move = words_after(lines.back(), "bestmove ");
        ASSERT_EQ(move.size(), 1u);
        EXPECT_TRUE(all_legal(CHESS_GAME(), {"e2e4", move.front()})) << lines.back();
        replies.insert(move.front());
        if (run == 0) {
            engine.send("position startpos moves h2h4 h7h5 a2a4 a7a5 h1h3 a8a6 a1a3");
            engine.send("go depth 1");
            EXPECT_TRUE(starts_with(engine.read_until("bestmove").front(), "info depth 1 "));
            engine.send("setoption name OwnBook value false");
            engine.send("position startpos moves e2e4");
            engine.send("go depth 1");
            EXPECT_TRUE(starts_with(engine.read_until("bestmove").front(), "info depth 1 "));
        }
        engine.send("quit");
        EXPECT_EQ(engine.exit_status(5000), 0);
    }
    EXPECT_GE(replies.size(), 2u);
}

// Every form of "go" is answered once; malformed and unknown parameters are reported and left
// out; depth 1 is a real search that sees the hanging queen.
TEST_F(UciSession, EveryGoGetsOneBestMove) {
    ENGINE_PROCESS engine;
    engine.send("position fen 4k3/8/8/3q4/8/8/8/3RK3 w - - 0 1");
    const std::pair<const char*, const char*> cases[] = {
        {"go depth 1", "d1d5"},
        {"go nodes 20000", "d1d5"},
        {"go movetime 200", "d1d5"},
        {"go wtime 3000 btime 3000 winc 100 binc 100 movestogo 10", "d1d5"},
        {"go depth 3 searchmoves e1e2 e1f1", ""},
        {"go depth x movetime 300", "d1d5"},
        {"go depth 2 nodes -5 frobnicate", "d1d5"},
    };
    for (const auto& [command, expected] : cases) {
        engine.send(command);
        const auto lines = engine.read_until("bestmove");
        ASSERT_FALSE(lines.empty()) << command;
        EXPECT_EQ(count_prefix(lines, "bestmove"), 1u);
        const std::string move = best_move(lines);
        if (*expected != 0) {
            EXPECT_EQ(move, expected) << command;
        } else {
            EXPECT_TRUE(move == "e1e2" || move == "e1f1") << command;
        }
    }
    engine.send("go depth x nodes 1000");
    auto lines = engine.read_until("bestmove");
    EXPECT_EQ(lines.front(), "info string invalid go parameter: depth x");
    engine.send("go nodes 5000 searchmoves a1a1");
    lines = engine.read_until("bestmove");
    EXPECT_EQ(lines.front(), "info string illegal search move: a1a1");
    engine.send("position startpos");
    engine.send("go nodes 20000");
    lines = engine.read_until("bestmove", 60000);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_LE(std::stoll(words_after(lines[lines.size() - 2], " nodes ").at(0)), 20000);
}

TEST_F(UciSession, MateScoresAndMateLimit) {
    ENGINE_PROCESS engine;
    engine.send("position fen k7/8/2K5/8/8/8/8/7R w - - 0 1");
    engine.send("go mate 2");
    auto lines = engine.read_until("bestmove");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines[lines.size() - 2].find(" score mate 2 "), std::string::npos);
    EXPECT_TRUE(starts_with(lines[lines.size() - 2], "info depth 4 ")) << lines[lines.size() - 2];

    engine.send("position fen 6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1");
    engine.send("go depth 3");
    lines = engine.read_until("bestmove");
    EXPECT_NE(lines[lines.size() - 2].find(" score mate 1 "), std::string::npos);
    EXPECT_EQ(best_move(lines), "d1d8");
}

TEST_F(UciSession, MatedStalematedAndFiftyMovePositions) {
    ENGINE_PROCESS engine;
    engine.send("position startpos moves f2f3 e7e5 g2g4 d8h4");
    engine.send("go depth 3");
    EXPECT_EQ(engine.read_until("bestmove"),
              (std::vector<std::string>{"info depth 0 score mate 0", "bestmove 0000"}));
    engine.send("position fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1");
    engine.send("go infinite");
    engine.send("stop");
    EXPECT_EQ(engine.read_until("bestmove"),
              (std::vector<std::string>{"info depth 0 score cp 0", "bestmove 0000"}));
    // Past the fifty-move limit the engine still plays, and takes the rook.
    engine.send("position fen 4k3/8/8/8/8/8/r7/R3K3 w - - 120 90");
    engine.send("go depth 3");
    EXPECT_EQ(best_move(engine.read_until("bestmove")), "a1a2");
}

TEST_F(UciSession, MovetimeAndClocksAnswer) {
    ENGINE_PROCESS engine;
    engine.send(
        "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    const auto started = std::chrono::steady_clock::now();
    for (const char* command : {"go movetime 300", "go wtime 2000 btime 2000 winc 0 binc 0",
                                "go wtime 1 btime 1000", "go btime 1000"}) {
        engine.send(command);
        const auto lines = engine.read_until("bestmove", 20000);
        ASSERT_FALSE(lines.empty()) << command;
        EXPECT_NE(best_move(lines), "0000");
    }
    // Generous for a loaded machine; the last two are answered at once, not in 120 s.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

TEST_F(UciSession, StopEndsAnInfiniteSearchAndQuitEndsTheProgram) {
    ENGINE_PROCESS engine;
    engine.send("position startpos");
    engine.send("go infinite");
    EXPECT_FALSE(engine.read_until("info depth 3").empty());
    engine.send("stop");
    const auto lines = engine.read_until("bestmove", 5000);
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back(), "bestmove 0000");
    engine.send("quit");
    EXPECT_EQ(engine.exit_status(5000), 0);
}

TEST_F(UciSession, PonderAnswersAfterPonderhitOrStop) {
    ENGINE_PROCESS engine;
    engine.send("position startpos moves e2e4");
    engine.send("go ponder wtime 1000 btime 1000");
    EXPECT_FALSE(engine.read_until("info depth 3").empty());
    engine.send("isready");
    EXPECT_EQ(count_prefix(engine.read_until("readyok"), "bestmove"), 0u);
    engine.send("ponderhit");
    EXPECT_EQ(count_prefix(engine.read_until("bestmove", 20000), "bestmove"), 1u);

    engine.send("go ponder wtime 1000 btime 1000");
    engine.send("stop");
    EXPECT_EQ(count_prefix(engine.read_until("bestmove", 20000), "bestmove"), 1u);
}

// A command that changes the engine ends the running search first, whose answer comes first.
TEST_F(UciSession, CommandsDuringASearchEndItFirst) {
    ENGINE_PROCESS engine;
    for (const char* command :
         {"ucinewgame", "setoption name Skill Level value 5", "position startpos", "go depth 2"}) {
        engine.send("position startpos");
        engine.send("go depth 60");
        EXPECT_FALSE(engine.read_until("info depth 3").empty());
        engine.send(command);
        const auto lines = engine.read_until("bestmove", 10000);
        ASSERT_FALSE(lines.empty()) << command;
        EXPECT_NE(best_move(lines), "0000");
    }
    // The last "go depth 2" answers too.
    EXPECT_FALSE(engine.read_until("bestmove", 10000).empty());
    engine.send("isready");
    EXPECT_EQ(engine.read_until("readyok").size(), 1u);
}

TEST_F(UciSession, EndOfInputActsAsQuit) {
    for (const char* command : {"go infinite", "go depth 60"}) {
        ENGINE_PROCESS engine;
        engine.send("position startpos");
        engine.send(command);
        EXPECT_FALSE(engine.read_until("info depth 3").empty());
        engine.close_input();
        EXPECT_FALSE(engine.read_until("bestmove", 10000).empty()) << command;
        EXPECT_EQ(engine.exit_status(10000), 0) << command;
    }
}

TEST_F(UciSession, InputAsChessProgramsWriteIt) {
    ENGINE_PROCESS engine;
    engine.send("position fen 4k3/1P6/8/8/8/8/8/4K3 w - - 0 1 moves b7b8Q\r");
    engine.send("go depth 2\r");
    // Black answers after the promotion: a king move.
    EXPECT_EQ(best_move(engine.read_until("bestmove")).substr(0, 2), "e8");
    engine.send("position startpos moves e2e4 e7e5 e1e3 d2d4");
    EXPECT_EQ(engine.read_until("info string").back(), "info string illegal move: e1e3");
    engine.send("go depth 2");
    const std::string move = best_move(engine.read_until("bestmove"));
    EXPECT_TRUE(move[1] == '1' || move[1] == '2') << move; // White's turn after e2e4 e7e5
    engine.send("position fen not a fen");
    EXPECT_TRUE(starts_with(engine.read_until("info string").back(), "info string invalid FEN"));
    engine.close_input();
    EXPECT_EQ(engine.exit_status(5000), 0);
}

TEST_F(UciSession, BenchSignatureIsPinned) {
#ifdef VELMORA_SANITIZED
    GTEST_SKIP() << "bench runs in the optimised build";
#endif
    ENGINE_PROCESS engine({"bench"});
    const auto lines = engine.read_until("Nodes searched", 120000);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Nodes searched: 14294088");
}

} // namespace
