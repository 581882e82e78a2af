// The engine tool as a chess program sees it: a child process spoken to through pipes.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
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
        if (!std::filesystem::exists(engine_path)) {
            GTEST_SKIP() << "velmora-engine is not built";
        }
    }
};

TEST_F(UciSession, HandshakeOptionsAndReadiness) {
    ENGINE_PROCESS engine;
    engine.send("uci");
    const auto lines = engine.read_until("uciok");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "id name Velmora Chess");
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "option name Skill Level type spin default 20 min 1 max 20"),
              lines.end());
    engine.send("isready");
    EXPECT_FALSE(engine.read_until("readyok").empty());
}

TEST_F(UciSession, GoDepthReportsEveryIterationThenTheBestMove) {
    ENGINE_PROCESS engine;
    engine.send("position startpos moves e2e4 e7e5 g1f3");
    engine.send("go depth 4");
    const auto lines = engine.read_until("bestmove");
    ASSERT_EQ(lines.size(), 4u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].rfind("info depth " + std::to_string(i + 2) + " score cp ", 0), 0u)
            << lines[i];
        EXPECT_NE(lines[i].find(" nodes "), std::string::npos);
        EXPECT_NE(lines[i].find(" pv "), std::string::npos);
    }
    const std::string best = lines.back().substr(9);
    EXPECT_NE(lines[2].find(" pv " + best), std::string::npos) << lines[2];
}

TEST_F(UciSession, MovetimeAndClockAnswerInTime) {
    ENGINE_PROCESS engine;
    engine.send(
        "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    const auto started = std::chrono::steady_clock::now();
    engine.send("go movetime 300");
    EXPECT_FALSE(engine.read_until("bestmove", 10000).empty());
    engine.send("go wtime 2000 btime 2000 winc 0 binc 0");
    EXPECT_FALSE(engine.read_until("bestmove", 10000).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(8));
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

TEST_F(UciSession, MatedPositionAnswersNullMoveAndBadInputIsReported) {
    ENGINE_PROCESS engine;
    engine.send("position startpos moves f2f3 e7e5 g2g4 d8h4");
    engine.send("go depth 3");
    EXPECT_EQ(engine.read_until("bestmove").back(), "bestmove 0000");
    engine.send("position startpos moves e2e5");
    EXPECT_EQ(engine.read_until("info string").back(), "info string illegal move: e2e5");
    engine.send("position fen not a fen");
    EXPECT_EQ(engine.read_until("info string").back().rfind("info string invalid FEN", 0), 0u);
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
