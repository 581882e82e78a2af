// The pieces, 35 x 35 and 19 x 19, drawn by the game's own piece art.
#include "art.h"
#include "desktop/chess_gui_piece_art.h"

#include <array>

namespace {
constexpr std::array<int, 12> piece_ids{152, 148, 151, 155, 156, 159, 153, 109, 150, 154, 157, 158};
constexpr std::array<int, 12> small_ids{161, 163, 162, 164, 165, 166, 167, 169, 168, 170, 171, 172};
} // namespace

std::vector<ART_PICTURE> art::draw_pieces() {
    std::vector<ART_PICTURE> pictures;
    for (int code = 1; code <= 12; ++code) {
        const int kind = code <= 6 ? code : code - 6;
        const bool white = code <= 6;
        pictures.push_back({piece_ids[code - 1], CHESS_GUI_PIECE_ART::draw(kind, white, 35)});
        pictures.push_back({small_ids[code - 1], CHESS_GUI_PIECE_ART::draw(kind, white, 19)});
    }
    return pictures;
}
