// The ground every application test stands on: a fresh temporary installation folder holding
// the persona fixture and a stand-in video file, a per-user data folder, a recording window and
// a manager started on them, plus small helpers to play moves and prepare saved games.
#pragma once

#include "app/chess_application_manager.h"
#include "fake_settings_store.h"
#include "recording_user_interface.h"
#include "saved_games/chess_game_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace app_test {

namespace fs = std::filesystem;

inline std::string fixture_persona() {
    return std::string(VELMORA_TEST_DATA) + "/app/velmora_chess.dat";
}

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_file(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// Options of skill level 1 (depth 2, no quiescence) for the given colour.
inline CHESS_GAME_OPTIONS level1(int32_t player_color = 1) {
    CHESS_GAME_OPTIONS options;
    options.player_color = player_color;
    return options;
}

// A game from the initial position with moves in long algebraic form ("e2e4", "e7e8q").
inline CHESS_GAME game_of(const std::vector<std::string>& moves) {
    CHESS_GAME game;
    for (const std::string& text : moves) {
        bool played = false;
        for (const CHESS_MOVE& m : game.legal_moves()) {
            if (m.uci_text() == text) {
                game.make_move(m);
                played = true;
                break;
            }
        }
        EXPECT_TRUE(played) << "illegal move " << text;
    }
    return game;
}

// The knights go out and back: plies moves that neither capture nor move a pawn.
inline std::vector<std::string> knight_shuffle(int plies) {
    const std::vector<std::string> cycle = {"g1f3", "g8f6", "f3g1", "f6g8"};
    std::vector<std::string> moves;
    for (int i = 0; i < plies; ++i) {
        moves.push_back(cycle[i % 4]);
    }
    return moves;
}

// Sam Loyd's shortest stalemate, one white move short: 10. Qe6 stalemates black.
inline std::vector<std::string> loyd_before_stalemate() {
    return {"e2e3", "a7a5", "d1h5", "a8a6", "h5a5", "h7h5", "h2h4", "a6h6", "a5c7",
            "f7f6", "c7d7", "e8f7", "d7b7", "d8d3", "b7b8", "d3h7", "b8c8", "f7g6"};
}

class APP_TEST : public testing::Test {
  protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps two runs of the same test (two build trees) out of each other's way.
        std::string name = std::string("velmora_app_") + info->test_suite_name() + "_" +
                           info->name() + "_" + std::to_string(getpid());
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        root = fs::path(testing::TempDir()) / name;
        fs::remove_all(root);
        install = root / "install";
        fs::create_directories(install);
        fs::copy_file(fixture_persona(), install / "velmora_chess.dat");
        write_file((install / "velmora_chess.avi").string(), "video");
        store.values["InstallPath"] = install.string();
        // The opening book off: these tests follow the specified search's replies.
        store.values["VaryOpenings"] = "false";
        store.user_directory = (root / "user").string();
    }

    void TearDown() override {
        manager.reset();
        std::error_code error;
        fs::remove_all(root, error);
    }

    CHESS_APPLICATION_MANAGER& start() {
        manager = std::make_unique<CHESS_APPLICATION_MANAGER>(ui, store);
        manager->start();
        return *manager;
    }

    // A second run of the program on the same folders, with a new window.
    CHESS_APPLICATION_MANAGER& restart() {
        manager.reset();
        ui = RECORDING_USER_INTERFACE();
        return start();
    }

    void new_game(const CHESS_GAME_OPTIONS& options) {
        ui.new_game_answers.push_back(options);
        manager->command(CHESS_SHORTCUT_CONSTANTS::shortcut_new_game);
    }

    // The player's move in long algebraic form, as the window hands a board drop over.
    void play(const std::string& text) {
        for (const CHESS_MOVE& m : manager->game().legal_moves()) {
            if (m.uci_text() == text) {
                manager->player_move(m.src, m.dst, m.promoted_piece());
                return;
            }
        }
        FAIL() << "illegal move " << text;
    }

    // Ticks until the computer has answered (a few ticks at most).
    void computer_answers() {
        for (int i = 0; i < 3 && manager->state() == CHESS_APP_STATE_CONSTANTS::state_thinking;
             ++i) {
            manager->tick();
        }
    }

    std::string save_game_file(const std::string& file, const CHESS_GAME& game,
                               const CHESS_GAME_OPTIONS& options, const std::string& nick,
                               bool resigned = false) {
        const std::string path = (root / file).string();
        CHESS_GAME_FILE writer(path);
        writer.write(game, options, nick, resigned);
        EXPECT_FALSE(writer.failed()) << writer.error_message();
        return path;
    }

    void load(const std::string& path) {
        ui.load_answers.push_back(path);
        manager->command(CHESS_SHORTCUT_CONSTANTS::shortcut_load_game);
    }

    // The character's reactions waiting in the queue, presented one by one as finished clips
    // ask for them, until the default reaction comes.
    std::vector<std::string> reactions() {
        std::vector<std::string> said;
        for (int i = 0; i < 30; ++i) {
            const std::size_t before = ui.velmora_lines().size();
            const std::size_t clips = ui.clips.size();
            manager->clip_end();
            const std::vector<std::string> lines = ui.velmora_lines();
            if (ui.clips.size() == clips) {
                break;
            }
            if (lines.size() == before) {
                said.emplace_back(); // a reaction without text
                continue;
            }
            const std::string& text = lines.back();
            if (is_default(text)) {
                last_default = text;
                break;
            }
            said.push_back(text);
        }
        while (!said.empty() && said.back().empty()) {
            said.pop_back();
        }
        return said;
    }

    static bool is_default(const std::string& text) {
        for (const char* key : {"general_behavior", "player_winning1", "player_winning2",
                                "velmora_winning1", "velmora_winning2"}) {
            if (text == std::string(key) + " text.") {
                return true;
            }
        }
        return false;
    }

    // The default reaction that ended the last reactions().
    std::string last_default;
    fs::path root;
    fs::path install;
    FAKE_SETTINGS_STORE store;
    RECORDING_USER_INTERFACE ui;
    std::unique_ptr<CHESS_APPLICATION_MANAGER> manager;
};

inline bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace app_test
