// The pictures of the game, drawn from code so that anyone can redraw them (or draw them at another
// size): each function returns the finished pictures with the resource numbers they are saved
// under. Pieces and captured pieces stand on pure yellow, the key colour the board control makes
// transparent; everything else is opaque.
#pragma once

#include <QImage>
#include <vector>

struct ART_PICTURE {
    int id;
    QImage image;
};

namespace art {

std::vector<ART_PICTURE> draw_pieces();    // 35 x 35 pieces and 19 x 19 captured pieces
std::vector<ART_PICTURE> draw_board_set(); // both boards, tiles, frame and captured-pieces strip
std::vector<ART_PICTURE> draw_buttons();   // turn arrows, rotation, webcam, menu icon, app icon
std::vector<ART_PICTURE> draw_levels();    // the twenty 60 x 60 level pictures
std::vector<ART_PICTURE> draw_video_set(); // the webcam's background

} // namespace art
