#include "board_view/chess_gui_sprite.h"

CHESS_GUI_SPRITE::CHESS_GUI_SPRITE(const QImage& picture)
    : CHESS_GUI_SPRITE(picture, picture.size()) {}

CHESS_GUI_SPRITE::CHESS_GUI_SPRITE(const QImage& picture, int32_t color)
    : CHESS_GUI_SPRITE(picture, color, picture.size()) {}

CHESS_GUI_SPRITE::CHESS_GUI_SPRITE(const QImage& picture, QSize size)
    : bitmap(QPixmap::fromImage(picture)), size_(size) {}

CHESS_GUI_SPRITE::CHESS_GUI_SPRITE(const QImage& picture, int32_t color, QSize size)
    : color(color), size_(size) {
    // Key-coloured pixels become fully transparent; every other pixel stays fully opaque.
    QImage piece = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < piece.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < piece.width(); ++x) {
            line[x] = (line[x] | 0xff000000u) == key_colour ? 0u : (line[x] | 0xff000000u);
        }
    }
    bitmap = QPixmap::fromImage(piece);
    mask_ = bitmap.mask();
}
