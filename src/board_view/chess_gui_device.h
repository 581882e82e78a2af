// The board control's off-screen drawing. The still picture (board, pieces, captured pieces,
// prompt) is composed in `virtual_picture`; what the control shows is `window_picture`, which
// its paint handler copies to the screen. A piece that moves is composed over the still picture
// in `double_picture` and only the changed rectangle is copied on, so the still picture never
// holds the moving piece and restoring under it is one copy.
//
// Callers work in board units (the pixels of the board at 100 %); the pictures hold the device
// pixels the control covers, `scale` of them per unit (zoom times the screen's pixel ratio), so
// that what is drawn is drawn at the screen's own resolution. Copies between the pictures move
// whole device pixels: every rectangle is widened to the device pixels it touches.
#pragma once

#include "board_view/chess_gui_sprite.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

class CHESS_GUI_DEVICE {
  public:
    QWidget* parent;
    QImage window_picture;
    QImage virtual_picture;
    QImage double_picture;
    QRect client; // in board units
    double scale = 1.0;
    double pixel_ratio = 1.0; // device pixels per pixel of the control
    // While set, every change is painted on the screen before the call returns (the animation
    // runs without the event loop).
    bool immediate = false;

    // Pictures of the control's size.
    CHESS_GUI_DEVICE(QWidget* parent, QSize size);

    // New pictures for a zoom and pixel ratio; their content is drawn afresh by the caller.
    void set_scale(double zoom, double ratio);
    // The device pixels a rectangle in board units touches, and where a point falls.
    QRect device_rect(const QRect& area) const;
    QPoint device_point(int x, int y) const;
    // The device pixels behind a rectangle of the control's own pixels.
    QRect device_rect_of_control(const QRect& area) const;

    // Into the still picture: a sprite through its mask (or whole when it has none).
    void draw_sprite(const CHESS_GUI_SPRITE& sprite, int x, int y);
    // The same, only the part of it within clip.
    void draw_sprite_part(const CHESS_GUI_SPRITE& sprite, int x, int y, const QRect& clip);
    // The still picture, or a rectangle of it, onto the window.
    void copy_to_window();
    void copy_to_window(const QRect& area);
    // A sprite at (x, y) over the still picture, having been at old_area before; the window
    // shows both rectangles updated at once.
    void move_sprite(const CHESS_GUI_SPRITE& sprite, const QRect& old_area, int x, int y);
    // A 2-pixel yellow frame inside area, into the still picture or onto the window only.
    void frame_rect(const QRect& area);
    void frame_window_rect(const QRect& area);
    // The promotion prompt's pale box with a raised edge and its question above the pieces.
    void draw_prompt_box(const QRect& box, const QString& text, int text_bottom);
    // Asks the control to show a rectangle of device pixels of the window picture.
    void present(const QRect& area);

  private:
    void frame(QImage& picture, const QRect& area) const;
    void allocate();
};
