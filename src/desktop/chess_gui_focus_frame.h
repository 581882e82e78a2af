// The frame that shows which control has the keyboard focus: a two-pixel line in the highlight
// colour just inside a scrolling control's viewport, drawn over its content, so it reads on any
// background and never moves the content.
#pragma once

class QWidget;

class CHESS_GUI_FOCUS_FRAME {
  public:
    // Draws the frame on viewport when control has the focus; call after the control has painted.
    static void draw(const QWidget& control, QWidget& viewport);
};
