#include "board_model/chess_gui_transform.h"

#include <algorithm>

void CHESS_GUI_TRANSFORM::set_bounds(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    bounds_x1 = x1;
    bounds_y1 = y1;
    bounds_x2 = x2;
    bounds_y2 = y2;
}

void CHESS_GUI_TRANSFORM::compute_screen_square(int32_t column, int32_t row) {
    width = square_width();
    height = square_height();
    x = border_width + (column - 1) * width;
    y = border_height + (row - 1) * height;
    piece_x = x + (width - piece_width) / 2;
    piece_y = y + (height - piece_height) / 2;
}

void CHESS_GUI_TRANSFORM::compute_square(int32_t s) {
    const bool white_below = side_facing_bottom == white;
    const int32_t column = white_below ? file(s) : 9 - file(s);
    const int32_t row = white_below ? 9 - rank(s) : rank(s);
    compute_screen_square(column, row);
}

void CHESS_GUI_TRANSFORM::compute_square_absolute(int32_t s) {
    compute_square(s);
    to_absolute(x, y);
    to_absolute(piece_x, piece_y);
}

int32_t CHESS_GUI_TRANSFORM::compute_square_at(int32_t px, int32_t py) {
    clamp_to_playing_area(px, py);
    const int32_t row_index = (py - bounds_y1 - border_height) / square_height();
    const int32_t column = (px - bounds_x1 - border_width) / square_width() + 1;
    if (side_facing_bottom == white) {
        square = CHESS_SQUARE_CONSTANTS::square(column, 8 - row_index);
    } else {
        square = CHESS_SQUARE_CONSTANTS::square(9 - column, row_index + 1);
    }
    return square;
}

bool CHESS_GUI_TRANSFORM::is_inside_control(int32_t px, int32_t py) const {
    return bounds_x1 <= px && px <= bounds_x2 && bounds_y1 <= py && py <= bounds_y2;
}

bool CHESS_GUI_TRANSFORM::is_inside_playing_area(int32_t px, int32_t py) const {
    return px >= bounds_x1 + border_width && px < bounds_x1 + board_width - border_width &&
           py >= bounds_y1 + border_height && py < bounds_y1 + board_height - border_height;
}

void CHESS_GUI_TRANSFORM::clamp_to_playing_area(int32_t& px, int32_t& py) const {
    // The area holds exactly eight squares; the frame's remainder pixels are not part of it.
    px =
        std::clamp(px, bounds_x1 + border_width, bounds_x1 + border_width + 8 * square_width() - 1);
    py = std::clamp(py, bounds_y1 + border_height,
                    bounds_y1 + border_height + 8 * square_height() - 1);
}

void CHESS_GUI_TRANSFORM::to_relative(int32_t& px, int32_t& py) const {
    px -= bounds_x1;
    py -= bounds_y1;
}

void CHESS_GUI_TRANSFORM::to_absolute(int32_t& px, int32_t& py) const {
    px += bounds_x1;
    py += bounds_y1;
}

void CHESS_GUI_TRANSFORM::compute_capture_slot(int32_t i, int32_t colour) {
    side = colour;
    const int32_t column = i <= 8 ? 1 : 2;
    const int32_t row = i <= 8 ? i : i - 8;
    const int32_t pitch = capture_height + (capture_area_height - 16 * capture_height) / 16;
    x = board_width + (capture_area_width - 2 * capture_width) / 2 + (column - 1) * capture_width;
    y = colour == side_facing_bottom ? capture_area_height - row * pitch : (row - 1) * pitch;
    width = capture_width;
    height = capture_height;
    piece_x = x;
    piece_y = y;
}

void CHESS_GUI_TRANSFORM::compute_prompt_box() {
    // The box spans from the middle of the third column to the middle of the seventh, below the
    // fourth row's first third, whichever side is at the bottom.
    compute_screen_square(8, 6);
    const int32_t right = x - width / 2;
    const int32_t b_top = y;
    compute_screen_square(3, 4);
    const int32_t left = x + width / 2;
    const int32_t top = y + height / 3;
    const int32_t box_height = b_top - height / 4 - top;
    x = left;
    y = top;
    width = right - left;
    height = box_height;
}

void CHESS_GUI_TRANSFORM::compute_prompt_slot(int32_t i) {
    compute_prompt_box();
    const int32_t pitch = piece_width + 5;
    x = x + (width - 4 * pitch) / 2 + (i - 1) * pitch;
    y = y + height - piece_height - 6;
    width = piece_width;
    height = piece_height;
    piece_x = x;
    piece_y = y;
}

int32_t CHESS_GUI_TRANSFORM::compute_slot_at(int32_t px, int32_t py) {
    to_relative(px, py);
    slot = 0;
    for (int32_t i = 1; i <= 4 && slot == 0; ++i) {
        compute_prompt_slot(i);
        if (x <= px && px < x + width && y <= py && py < y + height) {
            slot = i;
        }
    }
    return slot;
}
