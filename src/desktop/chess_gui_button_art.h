// The small pictures around the board as the game draws them: turn arrows, rotation and webcam
// buttons, the command-menu icon and the application icon. One drawing serves the pictures
// compiled into the game and any device resolution of a zoomed window or a dense screen.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

class CHESS_GUI_BUTTON_ART {
  public:
    // The resource numbers drawn here.
    static const std::vector<int32_t>& ids();
    // The picture of that number with scale device pixels per pixel; null for other numbers.
    static QImage draw(int32_t id, double scale = 1.0);
};
