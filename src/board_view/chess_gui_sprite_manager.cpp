#include "board_view/chess_gui_sprite_manager.h"

#include "desktop/chess_gui_resource_ids.h"
#include "desktop/chess_gui_resources.h"

CHESS_GUI_SPRITE_MANAGER CHESS_GUI_SPRITE_MANAGER::standard() {
    using ids = CHESS_GUI_RESOURCE_IDS;
    CHESS_GUI_SPRITE_MANAGER sprites;
    for (int32_t code = 1; code <= 12; ++code) {
        sprites.load_piece(code, ids::piece[code], ids::captured_piece[code]);
    }
    sprites.load_boards(ids::board_white_bottom, ids::board_black_bottom);
    sprites.load_squares(ids::light_square, ids::dark_square);
    sprites.load_capture_area(ids::capture_strip);
    sprites.load_border(ids::frame);
    return sprites;
}

void CHESS_GUI_SPRITE_MANAGER::load_piece(int32_t piece, int32_t piece_id, int32_t capture_id) {
    piece_sprites[piece] = CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(piece_id), side_of(piece));
    capture_sprites[piece] =
        CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(capture_id), side_of(piece));
}

void CHESS_GUI_SPRITE_MANAGER::load_boards(int32_t board_id, int32_t rotated_id) {
    board_sprite = CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(board_id));
    rotated_sprite = CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(rotated_id));
}

void CHESS_GUI_SPRITE_MANAGER::load_squares(int32_t white_id, int32_t black_id) {
    white_square = CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(white_id));
    black_square = CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(black_id));
}

void CHESS_GUI_SPRITE_MANAGER::load_capture_area(int32_t id) {
    capture_area = CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(id));
}

void CHESS_GUI_SPRITE_MANAGER::load_border(int32_t id) {
    border = CHESS_GUI_SPRITE(CHESS_GUI_RESOURCES::image(id));
}

bool CHESS_GUI_SPRITE_MANAGER::is_complete() const {
    for (int32_t code = 1; code <= 12; ++code) {
        if (!piece_sprites[code].is_loaded() || !capture_sprites[code].is_loaded()) {
            return false;
        }
    }
    return capture_area.is_loaded() && board_sprite.is_loaded() && rotated_sprite.is_loaded() &&
           black_square.is_loaded() && white_square.is_loaded() && border.is_loaded();
}
