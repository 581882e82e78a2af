// The five states of the application. Every change of state goes through the manager's
// set_state, which also decides which commands are enabled and whether the character sits at
// the board.
#pragma once

#include <cstdint>

struct CHESS_APP_STATE_CONSTANTS {
    static constexpr int32_t state_no_game = 1;
    static constexpr int32_t state_player_turn = 2;
    static constexpr int32_t state_thinking = 3;
    static constexpr int32_t state_hint = 4;
    static constexpr int32_t state_game_over = 5;
};
