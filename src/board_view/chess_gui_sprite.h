// One picture of the board view with what it belongs to: a piece image whose pure-yellow pixels
// (red 255, green 255, blue 0) are the transparent key colour, or a plain picture (board, tile,
// strip) that is always drawn whole. A piece sprite keeps its mask beside the image: the mask
// marks the piece's own pixels, so drawing the image through it leaves every key-coloured pixel
// of the destination untouched.
//
// A sprite may hold more device pixels than the board units it covers (a zoomed board or a dense
// screen): its width and height are always in board units, its bitmap in device pixels.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <cstdint>

class CHESS_GUI_SPRITE {
  public:
    static constexpr QRgb key_colour = 0xffffff00;

    int32_t color = 0; // the piece colour the sprite belongs to, 0 for none
    QPixmap bitmap;

    CHESS_GUI_SPRITE() = default;
    // A plain picture.
    explicit CHESS_GUI_SPRITE(const QImage& picture);
    // A piece picture on the key colour: the image keeps only the piece, the mask is made from it.
    CHESS_GUI_SPRITE(const QImage& picture, int32_t color);
    // The same for a picture drawn at a scale, covering size board units.
    CHESS_GUI_SPRITE(const QImage& picture, QSize size);
    CHESS_GUI_SPRITE(const QImage& picture, int32_t color, QSize size);

    bool is_loaded() const { return !bitmap.isNull(); }
    const QBitmap& mask() const { return mask_; }
    int32_t width() const { return size_.width(); }
    int32_t height() const { return size_.height(); }

  private:
    QBitmap mask_;
    QSize size_;
};
