// The main window's layout at any zoom. Each control is placed once with its rectangle at 100 %;
// applying a zoom gives every control its scaled rectangle, shifted by an origin (the content is
// centred when the window is larger than it) and scales its font's pixel size. Controls keep their
// proportions and places relative to each other. A dialog is laid out the same way: its own size
// and font, and each of its controls.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <vector>

class CHESS_GUI_LAYOUT {
  public:
    // Records the control's rectangle at 100 % (its current geometry). A control that chooses
    // its own font for its size is placed without scaling its font.
    void place(QWidget* control, bool scale_font = true);
    // Records a dialog's size and font and every control directly inside it.
    void place_children(QWidget* dialog);
    void apply(int32_t percent, QPoint origin = QPoint()) const;

  private:
    struct ITEM {
        QWidget* control;
        QRect rect;
        int font_pixels;
    };
    std::vector<ITEM> items_;
    QWidget* frame_ = nullptr;
    QSize frame_size_;
    int frame_font_pixels_ = 0;
};
