#include "board_view/chess_gui_sprite_manager.h"

#include <QString>

// Q_INIT_RESOURCE declares a function and must be used at global scope. The pictures live in a
// static library, whose resource registration only runs when asked for; asking twice is harmless.
static void register_pictures() {
    Q_INIT_RESOURCE(velmora_chess);
}

CHESS_GUI_SPRITE_MANAGER CHESS_GUI_SPRITE_MANAGER::standard() {
    static constexpr std::array<std::array<int32_t, 2>, 12> piece_ids{{{152, 161},
                                                                       {148, 163},
                                                                       {151, 162},
                                                                       {155, 164},
                                                                       {156, 165},
                                                                       {159, 166},
                                                                       {153, 167},
                                                                       {109, 169},
                                                                       {150, 168},
                                                                       {154, 170},
                                                                       {157, 171},
                                                                       {158, 172}}};
    CHESS_GUI_SPRITE_MANAGER sprites;
    for (int32_t code = 1; code <= 12; ++code) {
        sprites.load_piece(code, piece_ids[code - 1][0], piece_ids[code - 1][1]);
    }
    sprites.load_boards(128, 129);
    sprites.load_squares(134, 135);
    sprites.load_capture_area(141);
    sprites.load_border(139);
    return sprites;
}

QImage CHESS_GUI_SPRITE_MANAGER::load_bitmap(int32_t id) {
    static const bool registered = (register_pictures(), true);
    (void)registered;
    const QImage picture(QStringLiteral(":/%1.png").arg(id));
    if (picture.isNull()) {
        qFatal("the picture with resource number %d is not built into the program", id);
    }
    return picture;
}

void CHESS_GUI_SPRITE_MANAGER::load_piece(int32_t piece, int32_t piece_id, int32_t capture_id) {
    piece_sprites[piece] = CHESS_GUI_SPRITE(load_bitmap(piece_id), side_of(piece));
    capture_sprites[piece] = CHESS_GUI_SPRITE(load_bitmap(capture_id), side_of(piece));
}

void CHESS_GUI_SPRITE_MANAGER::load_boards(int32_t board_id, int32_t rotated_id) {
    board_sprite = CHESS_GUI_SPRITE(load_bitmap(board_id));
    rotated_sprite = CHESS_GUI_SPRITE(load_bitmap(rotated_id));
}

void CHESS_GUI_SPRITE_MANAGER::load_squares(int32_t white_id, int32_t black_id) {
    white_square = CHESS_GUI_SPRITE(load_bitmap(white_id));
    black_square = CHESS_GUI_SPRITE(load_bitmap(black_id));
}

void CHESS_GUI_SPRITE_MANAGER::load_capture_area(int32_t id) {
    capture_area = CHESS_GUI_SPRITE(load_bitmap(id));
}

void CHESS_GUI_SPRITE_MANAGER::load_border(int32_t id) {
    border = CHESS_GUI_SPRITE(load_bitmap(id));
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
