// Paints the board's marks into its off-screen picture. Every mark is drawn in board units
// through the device's scale, so it keeps its proportions at every zoom and pixel density, and
// every colour is chosen to read on both the light and the dark squares: translucent tints that
// shift either tile towards another hue, a red glow that brightens the dark red tile too, dots and
// rings with a light rim, and a cursor with a light and a dark line.
//
// A square is drawn in layers: its tint under the piece, its dot or ring and the cursor over it,
// then the parts of any arrow crossing it. A partial redraw clips to the square's rectangle, so
// the same calls rebuild a square or the whole board.
#pragma once

#include "board_view/chess_gui_board_mark.h"

#include <QPainter>
#include <QRect>
#include <vector>

class CHESS_GUI_MARK_PAINTER {
  public:
    // A painter on picture, scaled to board units and clipped to clip (in units).
    CHESS_GUI_MARK_PAINTER(QImage& picture, double scale, const QRect& clip);

    // Tints under the piece: last move, selected piece, check.
    void paint_under(int32_t kind, const QRect& square);
    // A legal destination: a dot on an empty square, a ring around a piece that can be taken.
    void paint_destination(const QRect& square, bool occupied);
    // The keyboard's square cursor.
    void paint_cursor(const QRect& square);
    // An arrow between the centres of two squares.
    void paint_arrow(int32_t kind, const QRect& from, const QRect& to);

  private:
    QPainter painter_;
};
