// What the board control shows: the pieces of one position of a game, what each side has
// captured up to it, the move that led to it, a king in check there, and which moves the player
// may make there. The legal moves (and the position they are typed against) are filled in only
// for the game's latest position, so a past position can be viewed but not played on. Pure
// data, built by the application without any window.
#pragma once

#include "rules/chess_game.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class CHESS_GUI_BOARD_INFO {
  public:
    std::array<int32_t, 65> board{};     // index 1..64, piece codes
    std::vector<int32_t> white_captures; // kinds white captured, in capture order
    std::vector<int32_t> black_captures;
    // Index (from - 1) * 64 + (to - 1).
    std::array<bool, 64 * 64> move_squares{};
    std::array<bool, 64 * 64> promotion_squares{};
    int32_t last_move_from = 0; // 0 when no move led here
    int32_t last_move_to = 0;
    int32_t check_square = 0; // the king of the side to move when it stands in check
    // The position moves are typed against; only set where moves can be made.
    std::optional<CHESS_POSITION> playable;

    // An empty board with nothing movable.
    CHESS_GUI_BOARD_INFO() = default;
    // The position after ply (0..move count) of game.
    CHESS_GUI_BOARD_INFO(const CHESS_GAME& game, int32_t ply);

    int32_t item(int32_t s) const { return board[s]; }
    bool is_move(int32_t from, int32_t to) const { return move_squares[index(from, to)]; }
    bool is_promotion(int32_t from, int32_t to) const { return promotion_squares[index(from, to)]; }
    bool can_move_from(int32_t from) const;

  private:
    static int32_t index(int32_t from, int32_t to) { return (from - 1) * 64 + (to - 1); }
};
