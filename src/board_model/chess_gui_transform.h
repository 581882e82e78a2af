// The board's geometry: where each square, piece, captured piece and promotion choice lies on the
// control, with white or black at the bottom, and which square or choice lies under a point.
// Every operation leaves its answer in the public fields (the rectangle of the last square or
// slot computed, the last square found under a point, the last choice hit), so drawing code reads
// them straight after the call. Points given to the hit tests are in the parent window's
// coordinates (the control's own position is `bounds_x1`, `bounds_y1`); rectangles come out in
// the control's coordinates unless an operation says otherwise. Pure arithmetic, no windows.
#pragma once

#include "rules/chess_constants.h"

#include <cstdint>

class CHESS_GUI_TRANSFORM : public CHESS_GENERAL_CONSTANTS, public CHESS_SQUARE_CONSTANTS {
  public:
    // Results of the last computation.
    int32_t piece_x = 0;
    int32_t piece_y = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t square = 0;
    int32_t slot = 0;
    int32_t side = 0;

    int32_t side_facing_bottom = white;
    int32_t bounds_x1 = 0;
    int32_t bounds_y1 = 0;
    int32_t bounds_x2 = 0;
    int32_t bounds_y2 = 0;

    // The sizes of the pictures the board is drawn from.
    int32_t board_width = 384;
    int32_t board_height = 384;
    int32_t border_width = 12;
    int32_t border_height = 12;
    int32_t piece_width = 35;
    int32_t piece_height = 35;
    int32_t capture_width = 19;
    int32_t capture_height = 19;
    int32_t capture_area_width = 45;
    int32_t capture_area_height = 384;

    int32_t square_width() const { return (board_width - 2 * border_width) / 8; }
    int32_t square_height() const { return (board_height - 2 * border_height) / 8; }
    // The control shows the board with the captured-pieces strip to its right.
    int32_t control_width() const { return board_width + capture_area_width; }
    int32_t control_height() const { return board_height; }

    // The control's rectangle in its parent, both corners inside it.
    void set_bounds(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    // Square s: its rectangle and the top-left corner of its piece, in the control.
    void compute_square(int32_t s);
    // The same in the parent's coordinates.
    void compute_square_absolute(int32_t s);
    // The square under a point of the playing area (a point outside it counts as its nearest
    // point); stores and returns it.
    int32_t compute_square_at(int32_t px, int32_t py);

    bool is_inside_control(int32_t px, int32_t py) const;
    bool is_inside_playing_area(int32_t px, int32_t py) const;
    // Moves a point to the nearest pixel of the playing area.
    void clamp_to_playing_area(int32_t& px, int32_t& py) const;
    void to_relative(int32_t& px, int32_t& py) const;
    void to_absolute(int32_t& px, int32_t& py) const;

    // Slot i (1..16) of the pieces that colour has captured, in the strip beside the board. The
    // bottom side's captures fill from the bottom edge up, the top side's from the top down.
    void compute_capture_slot(int32_t i, int32_t colour);

    // The promotion prompt's box, in the control.
    void compute_prompt_box();
    // Choice i (1..4) of the prompt: a piece-sized rectangle, in the control.
    void compute_prompt_slot(int32_t i);
    // The choice (1..4) whose rectangle holds the point, edges included, else 0; stored in slot.
    int32_t compute_slot_at(int32_t px, int32_t py);

  private:
    // The rectangle of the square at a screen column and row (1..8, rows from the top).
    void compute_screen_square(int32_t column, int32_t row);
};
