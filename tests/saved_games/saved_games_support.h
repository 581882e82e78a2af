// Helpers shared by the saved-game tests: a scratch folder removed afterwards, games played from
// long algebraic moves, and whole files read and written as bytes.
#pragma once

#include "rules/chess_game.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it.
class SCRATCH_FOLDER {
  public:
    SCRATCH_FOLDER() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("velmora-saved-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~SCRATCH_FOLDER() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SCRATCH_FOLDER(const SCRATCH_FOLDER&) = delete;
    SCRATCH_FOLDER& operator=(const SCRATCH_FOLDER&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

inline std::string file_bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void put_file_bytes(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary);
    out << bytes;
}

// Plays moves given as "e2e4 e7e8q ..." (the form other chess programs speak).
inline void play(CHESS_GAME& game, const std::string& moves) {
    std::istringstream words(moves);
    std::string word;
    while (words >> word) {
        bool found = false;
        for (const CHESS_MOVE& m : game.legal_moves()) {
            if (m.uci_text() == word) {
                game.make_move(m);
                found = true;
                break;
            }
        }
        ASSERT_TRUE(found) << "not legal: " << word;
    }
}

inline CHESS_GAME game_of(const std::string& moves) {
    CHESS_GAME game;
    play(game, moves);
    return game;
}

// A game of random legal moves, at most plies long, stopping when it is over.
inline CHESS_GAME random_game(uint32_t seed, int plies) {
    std::mt19937 random(seed);
    CHESS_GAME game;
    for (int i = 0; i < plies && !game.is_over(); ++i) {
        const std::vector<CHESS_MOVE> moves = game.legal_moves();
        game.make_move(moves[random() % moves.size()]);
    }
    return game;
}
