// The two shared tables of precomputed paths, built once on first use and read-only afterwards:
// the move table (for every square and piece: its paths, hash values and piece-square scores)
// and the attack table (for every square and side: the reverse paths along which a piece of that
// side could attack the square).
#pragma once

#include "rules/chess_constants.h"
#include "rules/chess_move_square.h"
#include "rules/chess_piece_delta.h"

#include <array>
#include <cstdint>
#include <vector>

class CHESS_BOARD_TABLES : public CHESS_SQUARE_CONSTANTS,
                           public CHESS_PIECE_CONSTANTS,
                           public CHESS_MOVE_CONSTANTS {
  public:
    static constexpr int32_t hash_seed = 4321;

    // The one instance of the run, built on first call.
    static const CHESS_BOARD_TABLES& instance();

    const CHESS_MOVE_SQUARE& move_square(int32_t square, int32_t piece) const {
        return move_table_[piece + 12 * (square - 1)];
    }
    const CHESS_PATH_LIST& attack_paths(int32_t square, int32_t side) const {
        return attack_table_[2 * (square - 1) + side - 1];
    }
    const CHESS_PIECE_DELTA& delta(int32_t square, int32_t piece) const {
        return deltas_[piece + 12 * (square - 1)];
    }
    // The slide of the attack table that starts at from and passes through, if any.
    const CHESS_PATH* ray(int32_t from, int32_t through) const { return rays_[from][through]; }

    CHESS_BOARD_TABLES(const CHESS_BOARD_TABLES&) = delete;
    CHESS_BOARD_TABLES& operator=(const CHESS_BOARD_TABLES&) = delete;

  private:
    CHESS_BOARD_TABLES();

    using PATHS = std::vector<CHESS_PATH>;
    void build_move_table(std::vector<PATHS>& move_paths);
    void build_attack_table(std::vector<PATHS>& attack_paths);
    void fill_piece_square_scores();
    void fill_deltas();
    void fill_rays();
    void pool_paths(const std::vector<PATHS>& move_paths, const std::vector<PATHS>& attack_paths);

    std::vector<CHESS_PATH> pool_;
    // Flat position piece + 12 * (square - 1), 1..768.
    std::array<CHESS_MOVE_SQUARE, 769> move_table_{};
    std::array<CHESS_PATH_LIST, 128> attack_table_{};
    std::array<CHESS_PIECE_DELTA, 769> deltas_{};
    std::array<std::array<const CHESS_PATH*, 65>, 65> rays_{};
};
