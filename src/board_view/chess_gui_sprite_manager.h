// Every picture the board control draws, loaded once from the program's compiled-in resources
// (one PNG per resource number): the pieces and the small captured pieces by piece code, both
// boards, the two plain square tiles, the captured-pieces strip, and a piece of the frame whose
// size is the frame's width. The set is complete when every piece and all five single pictures
// are loaded; a picture missing from the build stops the program at start-up.
//
// A set made for a scale other than 1 (device pixels per board unit) holds the same pictures
// drawn for that many pixels, with the same sizes in board units.
#pragma once

#include "board_view/chess_gui_sprite.h"
#include "rules/chess_constants.h"

#include <array>
#include <cstdint>

class CHESS_GUI_SPRITE_MANAGER : public CHESS_GENERAL_CONSTANTS, public CHESS_PIECE_CONSTANTS {
  public:
    CHESS_GUI_SPRITE capture_area;
    std::array<CHESS_GUI_SPRITE, 13> piece_sprites;   // index: piece code 1..12
    std::array<CHESS_GUI_SPRITE, 13> capture_sprites; // the small pictures, same index
    CHESS_GUI_SPRITE board_sprite;                    // white at the bottom
    CHESS_GUI_SPRITE rotated_sprite;                  // black at the bottom
    CHESS_GUI_SPRITE black_square;
    CHESS_GUI_SPRITE white_square;
    CHESS_GUI_SPRITE border;

    double scale = 1.0;

    // The game's own set (CHESS_GUI_RESOURCE_IDS).
    static CHESS_GUI_SPRITE_MANAGER standard(double scale = 1.0);

    void load_piece(int32_t piece, int32_t piece_id, int32_t capture_id);
    void load_boards(int32_t board_id, int32_t rotated_id);
    void load_squares(int32_t white_id, int32_t black_id);
    void load_capture_area(int32_t id);
    void load_border(int32_t id);
    bool is_complete() const;

    const CHESS_GUI_SPRITE& piece(int32_t code) const { return piece_sprites[code]; }
    const CHESS_GUI_SPRITE& capture(int32_t code) const { return capture_sprites[code]; }

  private:
    CHESS_GUI_SPRITE plain(int32_t id) const;
    CHESS_GUI_SPRITE keyed(int32_t id, int32_t code) const;
};
