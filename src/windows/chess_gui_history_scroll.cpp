#include "windows/chess_gui_history_scroll.h"

#include <algorithm>

CHESS_GUI_HISTORY_SCROLL::CHESS_GUI_HISTORY_SCROLL(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::NoFocus);
    setSingleStep(1);
    setPageStep(1);
    setRange(0, 0);
    connect(this, &QAbstractSlider::actionTriggered, this, &CHESS_GUI_HISTORY_SCROLL::report);
}

void CHESS_GUI_HISTORY_SCROLL::set_history_plies(int32_t plies) {
    num_plies_ = std::max<int32_t>(plies, 0);
    setRange(0, num_plies_);
    setValue(num_plies_);
}

void CHESS_GUI_HISTORY_SCROLL::show_position(int32_t plies) {
    setValue(std::clamp<int32_t>(plies, 0, num_plies_));
}

// The slider has already applied the action to its position, which is within the range; the value
// itself follows after this signal.
void CHESS_GUI_HISTORY_SCROLL::report(int action) {
    if (action == QAbstractSlider::SliderNoAction) {
        return;
    }
    emit history_selected(std::clamp<int32_t>(sliderPosition(), 0, num_plies_));
}
