#include "board_view/chess_gui_line_segment.h"

#include <cmath>

CHESS_GUI_LINE_SEGMENT::CHESS_GUI_LINE_SEGMENT(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                               int32_t step_size)
    : x(x1), y(y1), x1(x1), y1(y1), x2(x2), y2(y2), rise(y2 - y1), run(x2 - x1) {
    if (run != 0) {
        m = rise / run;
        b = y1 - m * x1;
    }
    const double lead = x_leads() ? run : rise;
    step = lead < 0 ? -step_size : step_size;
}

bool CHESS_GUI_LINE_SEGMENT::x_leads() const {
    return run != 0 && std::fabs(run) >= std::fabs(rise);
}

bool CHESS_GUI_LINE_SEGMENT::is_past_end() const {
    if (x_leads()) {
        return step > 0 ? x > x2 : x < x2;
    }
    return step > 0 ? y > y2 : y < y2;
}

void CHESS_GUI_LINE_SEGMENT::advance() {
    if (x_leads()) {
        x += step;
        y = static_cast<int32_t>(std::lround(m * x + b));
    } else if (run != 0) {
        y += step;
        x = static_cast<int32_t>(std::lround((y - b) / m));
    } else {
        y += step;
        x = x1;
    }
}
