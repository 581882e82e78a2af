// The pieces as the game draws them: from the chess glyphs' outlines, so that one design serves
// the 35 x 35 and 19 x 19 pictures compiled into the game and any device resolution of a zoomed
// board or a dense screen. A piece stands on pure yellow, the key colour the board makes
// transparent; no pixel of the piece is blended with it.
#pragma once

#include <QImage>

class CHESS_GUI_PIECE_ART {
  public:
    // Piece kind 1..6 (pawn, bishop, knight, rook, queen, king) designed for a size x size
    // picture, drawn with scale device pixels per pixel of the design.
    static QImage draw(int kind, bool white, int size, double scale = 1.0);

    // A picture drawn on transparency made into one on the key colour: pixels at least half
    // covered keep their own colour at full strength, the rest become key colour. Blending edge
    // pixels with yellow would leave a yellow fringe once the key colour is cut away.
    static QImage flatten_onto_key(const QImage& drawn);
};
