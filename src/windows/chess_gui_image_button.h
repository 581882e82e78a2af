// A picture that switches between an "on" and an "off" image: the board-rotation and webcam
// buttons, the command-menu icon and the two turn arrows (which are disabled, so they only show).
// A press of the left button, or Space or Enter while it has the focus (shown by a frame), toggles
// it and reports the new state through switched; switching it
// from code changes only the picture and never reports. The button is as large as its "on" image
// (scaled with the window's zoom).
#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>

class CHESS_GUI_IMAGE_BUTTON : public QWidget {
    Q_OBJECT

  public:
    CHESS_GUI_IMAGE_BUTTON(QWidget* parent, QPoint position, int32_t on_bitmap_id,
                           int32_t off_bitmap_id);

    bool is_on() const { return is_on_; }
    // Shows the on or off picture; no callback.
    void set_on(bool on);

  signals:
    // The user pressed the button, which is now on or off.
    void switched(CHESS_GUI_IMAGE_BUTTON* button, bool is_on);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // The picture for the pixels the button covers: the resource at its own size, drawn afresh
    // when the window is zoomed or the screen is dense.
    const QPixmap& picture(bool on);
    void toggle();

    int32_t on_id;
    int32_t off_id;
    QPixmap on_bitmap;
    QPixmap off_bitmap;
    QPixmap drawn_on;
    QPixmap drawn_off;
    bool is_on_ = true;
};
