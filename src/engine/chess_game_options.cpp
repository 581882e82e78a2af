#include "engine/chess_game_options.h"

std::string CHESS_GAME_OPTIONS::out() const {
    return "ply=" + std::to_string(max_ply) + ", time=" + std::to_string(max_time) +
           ", qsearch=" + (qsearch ? "True" : "False") +
           ", player=" + (player_color == 1 ? "White" : "Black");
}
