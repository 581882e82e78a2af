#include "desktop/chess_gui_zoom.h"

#include <algorithm>
#include <cmath>

int32_t CHESS_GUI_ZOOM::valid(int32_t percent) {
    const int32_t clamped = std::clamp(percent, smallest, largest);
    return smallest + (clamped - smallest) / step * step;
}

int32_t CHESS_GUI_ZOOM::largest_fitting(QSize content, QSize room, int32_t wanted) {
    for (int32_t percent = valid(wanted); percent > smallest; percent -= step) {
        const QSize size = scaled(content, percent);
        if (size.width() <= room.width() && size.height() <= room.height()) {
            return percent;
        }
    }
    return smallest;
}

int CHESS_GUI_ZOOM::scaled(int value, int32_t percent) {
    return static_cast<int>(std::lround(static_cast<double>(value) * percent / 100.0));
}

QSize CHESS_GUI_ZOOM::scaled(QSize size, int32_t percent) {
    return {scaled(size.width(), percent), scaled(size.height(), percent)};
}

QRect CHESS_GUI_ZOOM::scaled(const QRect& rect, int32_t percent) {
    const int left = scaled(rect.left(), percent);
    const int top = scaled(rect.top(), percent);
    return {left, top, scaled(rect.left() + rect.width(), percent) - left,
            scaled(rect.top() + rect.height(), percent) - top};
}
