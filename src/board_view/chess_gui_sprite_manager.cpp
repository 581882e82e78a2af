#include "board_view/chess_gui_sprite_manager.h"

#include "desktop/chess_gui_board_art.h"
#include "desktop/chess_gui_piece_art.h"
#include "desktop/chess_gui_resource_ids.h"
#include "desktop/chess_gui_resources.h"

CHESS_GUI_SPRITE_MANAGER CHESS_GUI_SPRITE_MANAGER::standard(double scale) {
    using ids = CHESS_GUI_RESOURCE_IDS;
    CHESS_GUI_SPRITE_MANAGER sprites;
    sprites.scale = scale;
    for (int32_t code = 1; code <= 12; ++code) {
        sprites.load_piece(code, ids::piece[code], ids::captured_piece[code]);
    }
    sprites.load_boards(ids::board_white_bottom, ids::board_black_bottom);
    sprites.load_squares(ids::light_square, ids::dark_square);
    sprites.load_capture_area(ids::capture_strip);
    sprites.load_border(ids::frame);
    return sprites;
}

// At scale 1 the resource itself; otherwise the picture drawn afresh for the device pixels it
// covers.
CHESS_GUI_SPRITE CHESS_GUI_SPRITE_MANAGER::plain(int32_t id) const {
    const QImage picture = CHESS_GUI_RESOURCES::image(id);
    if (scale == 1.0) {
        return CHESS_GUI_SPRITE(picture);
    }
    return CHESS_GUI_SPRITE(CHESS_GUI_BOARD_ART::draw(id, scale), picture.size());
}

// At scale 1 the resource itself; otherwise the piece drawn afresh for the device pixels it
// covers, from the same outlines the resource was drawn from.
CHESS_GUI_SPRITE CHESS_GUI_SPRITE_MANAGER::keyed(int32_t id, int32_t code) const {
    const QImage picture = CHESS_GUI_RESOURCES::image(id);
    if (scale == 1.0) {
        return CHESS_GUI_SPRITE(picture, side_of(code));
    }
    const int32_t kind = code <= 6 ? code : code - 6;
    const QImage drawn =
        CHESS_GUI_PIECE_ART::draw(kind, side_of(code) == white, picture.width(), scale);
    return CHESS_GUI_SPRITE(drawn, side_of(code), picture.size());
}

void CHESS_GUI_SPRITE_MANAGER::load_piece(int32_t piece, int32_t piece_id, int32_t capture_id) {
    piece_sprites[piece] = keyed(piece_id, piece);
    capture_sprites[piece] = keyed(capture_id, piece);
}

void CHESS_GUI_SPRITE_MANAGER::load_boards(int32_t board_id, int32_t rotated_id) {
    board_sprite = plain(board_id);
    rotated_sprite = plain(rotated_id);
}

void CHESS_GUI_SPRITE_MANAGER::load_squares(int32_t white_id, int32_t black_id) {
    white_square = plain(white_id);
    black_square = plain(black_id);
}

void CHESS_GUI_SPRITE_MANAGER::load_capture_area(int32_t id) {
    capture_area = plain(id);
}

void CHESS_GUI_SPRITE_MANAGER::load_border(int32_t id) {
    border = plain(id);
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
