// The `velmora-engine perft` command as other programs use it: the divide lines in UCI notation,
// the totals, and a one-line error with exit status 2 for bad input.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string engine = VELMORA_TOOLS_DIR "/velmora-engine";

struct RUN {
    int status = -1;
    std::vector<std::string> out; // stdout lines
    std::vector<std::string> err; // stderr lines
};

std::string quoted(const std::string& arg) {
    std::string text = "'";
    for (char c : arg) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

RUN run_engine(const std::vector<std::string>& args) {
    const std::string err_path =
        ::testing::TempDir() + "/velmora_perft_stderr_" + std::to_string(::getpid()) + ".txt";
    std::string command = quoted(engine);
    for (const std::string& arg : args) {
        command += " " + quoted(arg);
    }
    command += " 2>" + quoted(err_path);
    RUN run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return run;
    }
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = lines_of(out);
    std::ifstream err_file(err_path);
    std::stringstream err;
    err << err_file.rdbuf();
    run.err = lines_of(err.str());
    std::filesystem::remove(err_path);
    return run;
}

bool all_digits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A UCI move: from-square, to-square and an optional promotion letter.
bool is_uci_move(const std::string& text) {
    auto is_square = [&text](size_t i) {
        return text[i] >= 'a' && text[i] <= 'h' && text[i + 1] >= '1' && text[i + 1] <= '8';
    };
    return (text.size() == 4 ||
            (text.size() == 5 && std::string("qrbn").find(text[4]) != std::string::npos)) &&
           is_square(0) && is_square(2);
}

class PerftCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(engine)) << engine << " is not built";
    }
};

// Checks the whole output shape and returns the per-move counts.
std::vector<std::pair<std::string, long long>> divide_lines(const RUN& run, long long total) {
    std::vector<std::pair<std::string, long long>> moves;
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty()) << run.err.front();
    EXPECT_GE(run.out.size(), 3u);
    if (run.out.size() < 3) {
        return moves;
    }
    long long sum = 0;
    const size_t blank = run.out.size() - 3;
    for (size_t i = 0; i < blank; ++i) {
        const std::string& line = run.out[i];
        const size_t colon = line.find(": ");
        const bool well_formed = colon != std::string::npos && is_uci_move(line.substr(0, colon)) &&
                                 all_digits(line.substr(colon + 2));
        EXPECT_TRUE(well_formed) << line;
        if (well_formed) {
            moves.emplace_back(line.substr(0, colon), std::stoll(line.substr(colon + 2)));
            sum += moves.back().second;
        }
    }
    EXPECT_EQ(sum, total);
    EXPECT_EQ(run.out[blank], "");
    EXPECT_EQ(run.out[blank + 1], "Nodes searched: " + std::to_string(total));
    const std::string rate = "Nodes/second: ";
    EXPECT_TRUE(run.out[blank + 2].rfind(rate, 0) == 0 &&
                all_digits(run.out[blank + 2].substr(rate.size())))
        << run.out[blank + 2];
    return moves;
}

long long count_of(const std::vector<std::pair<std::string, long long>>& moves,
                   const std::string& move) {
    for (const auto& [text, count] : moves) {
        if (text == move) {
            return count;
        }
    }
    return -1;
}

TEST_F(PerftCommand, StartPositionByDefault) {
    const auto moves = divide_lines(run_engine({"perft", "3"}), 8902);
    EXPECT_EQ(moves.size(), 20u);
    EXPECT_EQ(count_of(moves, "e2e4"), 600);
    EXPECT_EQ(count_of(moves, "g1f3"), 440);
    EXPECT_EQ(count_of(moves, "a2a3"), 380);
}

TEST_F(PerftCommand, FenAsOneArgumentOrAsSeparateWords) {
    const std::string kiwipete =
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
    const auto moves = divide_lines(run_engine({"perft", "2", kiwipete}), 2039);
    EXPECT_EQ(moves.size(), 48u);
    // Castling is written as the king's move.
    EXPECT_EQ(count_of(moves, "e1g1"), 43);
    EXPECT_EQ(count_of(moves, "e1c1"), 43);

    std::vector<std::string> args = {"perft", "2"};
    std::istringstream words(kiwipete);
    for (std::string word; words >> word;) {
        args.push_back(word);
    }
    EXPECT_EQ(divide_lines(run_engine(args), 2039).size(), 48u);
}

TEST_F(PerftCommand, PromotionsCarryTheirLetter) {
    const auto moves =
        divide_lines(run_engine({"perft", "1", "4k3/1P6/8/8/8/8/8/4K3 w - - 0 1"}), 9);
    for (const char* m : {"b7b8q", "b7b8r", "b7b8b", "b7b8n"}) {
        EXPECT_EQ(count_of(moves, m), 1) << m;
    }
}

TEST_F(PerftCommand, BadArgumentsGiveOneLineOnStderrAndStatus2) {
    const std::vector<std::vector<std::string>> cases = {
        {"perft"},
        {"perft", "0"},
        {"perft", "-1"},
        {"perft", "abc"},
        {"perft", "3x"},
        {"perft", ""},
        {"perft", "99999999999999999999"},
        {"perft", "2", "not a fen"},
        {"perft", "2", "8/8/8/8/8/8/8/4K3 w - - 0 1"},
        {"perft", "2", "4k3/8/8/8/8/8/8/4RK2 w - - 0 1"},
        {"perft", "2", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 extra"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const std::string& a : args) {
            shown += "[" + a + "]";
        }
        const RUN run = run_engine(args);
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.err.size(), 1u) << shown;
        if (!run.err.empty()) {
            EXPECT_FALSE(run.err.front().empty()) << shown;
        }
        EXPECT_TRUE(run.out.empty()) << shown;
    }
}

} // namespace
