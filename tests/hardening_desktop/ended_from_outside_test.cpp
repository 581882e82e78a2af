// The real program, ended from outside as a logout, a shutdown or a crash would end it: killed
// with SIGKILL right after a move, and sent SIGTERM, SIGINT or SIGHUP in the middle of a game
// and in the middle of the computer's search. A driver preloaded into the program plays with the
// mouse and says when it stands where the test wants it. Each time, the next start finds the
// game to its last ply; a signal also ends the program cleanly with exit status 0.
#include "saved_games/chess_game_file.h"
#include "test_video.h"

#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class EndedFromOutside : public testing::Test {
  protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        root = fs::temp_directory_path() /
               (std::string("velmora_ended_") + info->name() + "_" + std::to_string(getpid()));
        fs::remove_all(root);
        install = root / "install";
        fs::create_directories(install);
        fs::create_directories(root / "config" / "Kwo");
        fs::copy_file(std::string(VELMORA_TEST_DATA) + "/app/velmora_chess.dat",
                      install / "velmora_chess.dat");
        ASSERT_TRUE(make_test_video((install / "velmora_chess.avi").string(), 900, 100));
        // Her replies come from the search, never the opening book, so a signal can reach the
        // program while she is thinking.
        std::ofstream(root / "config" / "Kwo" / "VelMoraChess.conf")
            << "[General]\nInstallPath=" << install.string() << "\nVaryOpenings=false\n";
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    // Starts the program with the driver following plan.
    void start(QProcess& program, const char* plan) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(root.string()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QString::fromStdString((root / "config").string()));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           QString::fromStdString((root / "data").string()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELMORA_E2E_DRIVER));
        environment.insert(QStringLiteral("VELMORA_E2E_PLAN"), QString::fromLatin1(plan));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           QStringLiteral("verify_asan_link_order=0:detect_leaks=0"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(VELMORA_CHESS_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted(30000));
    }

    // Reads the program's output until it holds text; answers whether it came in time.
    bool wait_for(QProcess& program, const std::string& text) {
        for (int i = 0; i < 600 && output.find(text) == std::string::npos; ++i) {
            program.waitForReadyRead(200);
            output += program.readAll().toStdString();
            if (program.state() == QProcess::NotRunning) {
                output += program.readAll().toStdString();
                break;
            }
        }
        return output.find(text) != std::string::npos;
    }

    // Sends signal_number once the driver is ready; the program must end by itself.
    void end_when_ready(const char* plan, int signal_number, bool must_exit_cleanly) {
        QProcess program;
        start(program, plan);
        ASSERT_TRUE(wait_for(program, "e2e driver: ready")) << output;
        ::kill(static_cast<pid_t>(program.processId()), signal_number);
        ASSERT_TRUE(program.waitForFinished(120000)) << output;
        output += program.readAll().toStdString();
        if (must_exit_cleanly) {
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << output;
            EXPECT_EQ(program.exitCode(), 0) << output;
        }
    }

    CHESS_GAME_FILE last_game() const {
        CHESS_GAME_FILE file((install / "lastgame.txt").string());
        file.read();
        EXPECT_FALSE(file.failed()) << file.error_message();
        return file;
    }

    // A second start resumes the game; the driver reports the plies in the history.
    void restart_finds(int plies) {
        output.clear();
        QProcess program;
        start(program, "report");
        EXPECT_TRUE(wait_for(program, "e2e driver: plies " + std::to_string(plies))) << output;
        ASSERT_TRUE(program.waitForFinished(120000)) << output;
        EXPECT_EQ(program.exitCode(), 0) << output;
    }

    static bool ignored_here(int signal_number) {
        struct sigaction current {};
        sigaction(signal_number, nullptr, &current);
        return current.sa_handler == SIG_IGN;
    }

    fs::path root;
    fs::path install;
    std::string output;
};

TEST_F(EndedFromOutside, KilledRightAfterAMove) {
    end_when_ready("reply", SIGKILL, false);
    EXPECT_EQ(last_game().saved_game().game.move_count(), 2);
    restart_finds(2);
}

TEST_F(EndedFromOutside, EachEndSignalMidGameClosesAsTheWindowDoes) {
    for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
        if (ignored_here(signal_number)) {
            continue; // an ignored signal stays ignored in the program, as it should
        }
        output.clear();
        fs::remove(install / "lastgame.txt");
        end_when_ready("reply", signal_number, true);
        EXPECT_EQ(last_game().saved_game().game.move_count(), 2) << strsignal(signal_number);
    }
}

TEST_F(EndedFromOutside, TerminatedWhileTheComputerSearches) {
    end_when_ready("search", SIGTERM, true);
    const CHESS_GAME_FILE file = last_game();
    EXPECT_EQ(file.saved_game().game.move_count(), 1);
    ASSERT_FALSE(file.failed());
    EXPECT_EQ(file.saved_game().options.max_time,
              120); // the strongest level: the search was running
    restart_finds(1);
}

} // namespace
