// The window's zoom: a whole percentage from 100 to 300 in steps of 25, by which every control,
// picture and font of the window is scaled. Scaled rectangles keep shared edges shared: a
// rectangle's right edge is the scaled right edge, not the scaled left edge plus the scaled
// width, so neighbours that touch at 100 % still touch at every zoom.
#pragma once

#include <QRect>
#include <QSize>
#include <cstdint>

class CHESS_GUI_ZOOM {
  public:
    static constexpr int32_t smallest = 100;
    static constexpr int32_t largest = 300;
    static constexpr int32_t step = 25;

    // The nearest zoom not above percent, within the range.
    static int32_t valid(int32_t percent);
    // The largest zoom not above wanted at which content fits into room; 100 % when none does.
    static int32_t largest_fitting(QSize content, QSize room, int32_t wanted = largest);

    static int scaled(int value, int32_t percent);
    static QSize scaled(QSize size, int32_t percent);
    static QRect scaled(const QRect& rect, int32_t percent);
};
