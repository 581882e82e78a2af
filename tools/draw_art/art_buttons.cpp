// The buttons, arrows and icons, drawn by the game's own button art.
#include "art.h"
#include "desktop/chess_gui_button_art.h"

std::vector<ART_PICTURE> art::draw_buttons() {
    std::vector<ART_PICTURE> pictures;
    for (const int32_t id : CHESS_GUI_BUTTON_ART::ids()) {
        pictures.push_back({id, CHESS_GUI_BUTTON_ART::draw(id)});
    }
    return pictures;
}
