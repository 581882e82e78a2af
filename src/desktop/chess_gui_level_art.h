// The New Game dialog's twenty level pictures as the game draws them: one badge per level in one
// style. One drawing serves the 60 x 60 pictures compiled into the game and any device resolution
// of a zoomed dialog or a dense screen.
#pragma once

#include <QImage>

class CHESS_GUI_LEVEL_ART {
  public:
    static constexpr int first_id = 204; // level 1's resource number; the others follow
    // Level 1..20's picture with scale device pixels per pixel.
    static QImage draw(int level, double scale = 1.0);
};
