// The board control's off-screen drawing. The still picture (board, pieces, captured pieces,
// prompt) is composed in `virtual_picture`; what the control shows is `window_picture`, which
// its paint handler copies to the screen. A piece that moves is composed over the still picture
// in `double_picture` and only the changed rectangle is copied on, so the still picture never
// holds the moving piece and restoring under it is one copy.
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
    QRect client;
    // While set, every change is painted on the screen before the call returns (the animation
    // runs without the event loop).
    bool immediate = false;

    // Pictures of the control's size.
    CHESS_GUI_DEVICE(QWidget* parent, QSize size);

    // Into the still picture: a sprite through its mask (or whole when it has none).
    void draw_sprite(const CHESS_GUI_SPRITE& sprite, int x, int y);
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
    // Asks the control to show the window picture's rectangle.
    void present(const QRect& area);

  private:
    static void frame(QImage& picture, const QRect& area);
};
