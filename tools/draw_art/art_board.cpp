// The board set, drawn by the game's own board art.
#include "art.h"
#include "desktop/chess_gui_board_art.h"

std::vector<ART_PICTURE> art::draw_board_set() {
    std::vector<ART_PICTURE> pictures;
    for (const int32_t id : CHESS_GUI_BOARD_ART::ids()) {
        pictures.push_back({id, CHESS_GUI_BOARD_ART::draw(id)});
    }
    return pictures;
}
