// Helpers for long sessions through the application manager: a long legal game that the
// fifty-move rule never ends, a scripted player, and the process's resident memory.
#pragma once

#include "app_test_support.h"

#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace hardening {

// A legal game of at least min_plies plies without a capture or a check: the knights hop
// between g1 and h3 and between g8 and h6, and after every 98 knight moves the side to move
// steps a pawn of the files a to g once (two steps each, white to the 4th rank, black to the
// 5th), which restarts the fifty-move count. Long enough for about 2800 plies.
inline std::vector<std::string> long_quiet_game(int min_plies) {
    std::vector<std::string> white_pawns;
    std::vector<std::string> black_pawns;
    for (char file = 'a'; file <= 'g'; ++file) {
        const std::string f(1, file);
        for (const char* step : {"2", "3", "3", "4"}) {
            white_pawns.push_back(f + step);
        }
        for (const char* step : {"7", "6", "6", "5"}) {
            black_pawns.push_back(f + step);
        }
    }
    std::vector<std::string> moves;
    bool white_knight_home = true;
    bool black_knight_home = true;
    std::size_t white_pawn = 0;
    std::size_t black_pawn = 0;
    int quiet = 0;
    while (static_cast<int>(moves.size()) < min_plies) {
        const bool white = moves.size() % 2 == 0;
        if (quiet == 98) {
            std::vector<std::string>& pawns = white ? white_pawns : black_pawns;
            std::size_t& next = white ? white_pawn : black_pawn;
            moves.push_back(pawns.at(next) + pawns.at(next + 1));
            next += 2;
            quiet = 0;
            continue;
        }
        bool& home = white ? white_knight_home : black_knight_home;
        const std::string from = white ? (home ? "g1" : "h3") : (home ? "g8" : "h6");
        const std::string to = white ? (home ? "h3" : "g1") : (home ? "h6" : "g8");
        moves.push_back(from + to);
        home = !home;
        ++quiet;
    }
    return moves;
}

// The resident memory of this process, in bytes.
inline int64_t resident_bytes() {
    std::ifstream statm("/proc/self/statm");
    int64_t size = 0;
    int64_t resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Forgets what the recording window recorded, so a long session does not grow the recording.
inline void forget_recordings(RECORDING_USER_INTERFACE& ui) {
    ui.calls.clear();
    ui.chat.clear();
    ui.sentences.clear();
    ui.history.clear();
    ui.errors.clear();
    ui.beeps.clear();
    ui.clips.clear();
    ui.animations.clear();
}

} // namespace hardening
