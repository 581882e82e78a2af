// The twenty level pictures, drawn by the game's own level art.
#include "art.h"
#include "desktop/chess_gui_level_art.h"

std::vector<ART_PICTURE> art::draw_levels() {
    std::vector<ART_PICTURE> pictures;
    for (int level = 1; level <= 20; ++level) {
        pictures.push_back(
            {CHESS_GUI_LEVEL_ART::first_id + level - 1, CHESS_GUI_LEVEL_ART::draw(level)});
    }
    return pictures;
}
