// The board's pictures as the game draws them: both boards, the two tiles, a piece of the frame
// and the captured-pieces strip. One drawing serves the pictures compiled into the game and any
// device resolution of a zoomed board or a dense screen.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

class CHESS_GUI_BOARD_ART {
  public:
    // The resource numbers drawn here.
    static const std::vector<int32_t>& ids();
    // The picture of that number with scale device pixels per pixel; null for other numbers.
    static QImage draw(int32_t id, double scale = 1.0);
};
