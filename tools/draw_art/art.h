// The pictures of the game, drawn from code so that anyone can redraw them (or draw them at another
// size): each function returns the finished pictures with the resource numbers they are saved
// under. Pieces and captured pieces stand on pure yellow, the key colour the board control makes
// transparent; everything else is opaque.
#pragma once

#include <QColor>
#include <QImage>
#include <vector>

struct ART_PICTURE {
    int id;
    QImage image;
};

namespace art {

// The transparent key colour of piece sprites.
inline const QColor key_colour(255, 255, 0);
// The board's fixed square colours and the window's background.
inline const QColor light_square(206, 206, 148);
inline const QColor dark_square(148, 26, 26);
inline const QColor window_background(150, 182, 170);

// Turns a picture drawn on transparency into one on the key colour: pixels at least half covered
// keep their own colour at full strength, the rest become key colour. Blending edge pixels with
// yellow would leave a yellow fringe once the key colour is cut away.
QImage flatten_onto_key(const QImage& drawn);

std::vector<ART_PICTURE> draw_pieces();    // 35 x 35 pieces and 19 x 19 captured pieces
std::vector<ART_PICTURE> draw_board_set(); // both boards, tiles, frame and captured-pieces strip
std::vector<ART_PICTURE> draw_buttons();   // turn arrows, rotation, webcam, menu icon, app icon
std::vector<ART_PICTURE> draw_levels();    // the twenty 60 x 60 level pictures
std::vector<ART_PICTURE> draw_video_set(); // the webcam's background

} // namespace art
