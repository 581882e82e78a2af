// A whole game against the default persona, through the application manager and a recording
// window: every reaction must come with a clip inside the video, the move reactions must speak,
// and nothing of the file's markup may reach the chat unexpanded.
#include "app/chess_application_manager.h"
#include "fake_settings_store.h"
#include "presentation/chess_gui_video_decoder.h"
#include "recording_user_interface.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;

// The chat shows a variable it does not know as its name in brackets: "(NAME)".
bool names_unknown_variable(const std::string& text) {
    for (size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
        size_t end = open + 1;
        while (end < text.size() &&
               (std::isalpha(static_cast<unsigned char>(text[end])) != 0 || text[end] == '_')) {
            ++end;
        }
        if (end > open + 1 && end < text.size() && text[end] == ')') {
            return true;
        }
    }
    return false;
}

class DefaultPersonaGame : public testing::Test {
  protected:
    void SetUp() override {
        root = fs::path(testing::TempDir()) / "velmora_default_persona_game";
        fs::remove_all(root);
        fs::create_directories(root / "install");
        for (const char* name : {"velmora_chess.dat", "velmora_chess.avi"}) {
            fs::copy_file(fs::path(VELMORA_SHARE_DIR) / name, root / "install" / name);
        }
        store.values["InstallPath"] = (root / "install").string();
        // The opening book off: these tests follow the specified search's replies.
        store.values["VaryOpenings"] = "false";
        store.user_directory = (root / "user").string();
    }
    void TearDown() override { fs::remove_all(root); }

    // Presents every queued reaction, as finished clips ask for them; each must bring a clip.
    void present_reactions(CHESS_APPLICATION_MANAGER& manager) {
        for (int i = 0; i < 6; ++i) {
            const size_t clips = ui.clips.size();
            manager.clip_end();
            ASSERT_EQ(ui.clips.size(), clips + 1) << "a reaction without a clip";
        }
    }

    fs::path root;
    FAKE_SETTINGS_STORE store;
    RECORDING_USER_INTERFACE ui;
};

TEST_F(DefaultPersonaGame, EveryReactionHasAClipAndTheMovesSpeakInCleanText) {
    CHESS_GUI_VIDEO_DECODER video;
    ASSERT_EQ(video.open(VELMORA_SHARE_DIR "/velmora_chess.avi"),
              CHESS_GUI_VIDEO_DECODER::open_result::opened);
    const int64_t frames = video.frame_count();

    CHESS_APPLICATION_MANAGER manager(ui, store);
    manager.start();
    ASSERT_FALSE(manager.failed());
    ASSERT_TRUE(ui.errors.empty());
    ui.new_game_answers.push_back(CHESS_GAME_OPTIONS());
    manager.command(CHESS_SHORTCUT_CONSTANTS::shortcut_new_game);

    // The player takes a varied but fixed choice of legal moves; the engine answers at level 1.
    int moves = 0;
    for (int ply = 0; ply < 160 && manager.state() == CHESS_APP_STATE_CONSTANTS::state_player_turn;
         ply += 2) {
        const auto legal = manager.game().legal_moves();
        const size_t spoken = ui.velmora_lines().size();
        const CHESS_MOVE& chosen = legal[(ply * 7 + 3) % legal.size()];
        manager.player_move(chosen.src, chosen.dst, chosen.promoted_piece());
        for (int tick = 0; tick < 3 && manager.state() == CHESS_APP_STATE_CONSTANTS::state_thinking;
             ++tick) {
            manager.tick();
        }
        present_reactions(manager);
        EXPECT_GT(ui.velmora_lines().size(), spoken) << "no word on move " << ply / 2 + 1;
        ++moves;
    }
    EXPECT_GT(moves, 5);

    for (const auto& [first, last] : ui.clips) {
        EXPECT_LE(0, first);
        EXPECT_LE(first, last);
        EXPECT_LT(last, frames);
    }
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : ui.sentences) {
        if (!sentence.is_velmora) {
            continue;
        }
        const std::string text = sentence.text();
        EXPECT_EQ(text.find_first_of("[]$<>|*"), std::string::npos) << text;
        EXPECT_FALSE(names_unknown_variable(text)) << text;
    }
}

} // namespace
