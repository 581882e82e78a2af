// The straight path an animated piece slides along: from its first point it advances a fixed
// step along whichever axis the line covers more of, and the other coordinate follows the line,
// rounded to the nearest pixel (halves away from zero). A vertical line steps in y alone, so no
// slope is ever divided by zero.
#pragma once

#include <cstdint>

class CHESS_GUI_LINE_SEGMENT {
  public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    int32_t step = 0;
    double rise = 0;
    double run = 0;
    double m = 0;
    double b = 0;

    // The segment from (x1, y1) to (x2, y2), standing at its first point.
    CHESS_GUI_LINE_SEGMENT(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t step_size);

    // True once the leading coordinate has passed the end point.
    bool is_past_end() const;
    // One step along the line.
    void advance();

  private:
    bool x_leads() const;
};
