#include "windows/chess_gui_layout.h"

#include "desktop/chess_gui_zoom.h"

#include <QLabel>

void CHESS_GUI_LAYOUT::place(QWidget* control, bool scale_font) {
    items_.push_back({control, control->geometry(), scale_font ? control->font().pixelSize() : 0});
}

void CHESS_GUI_LAYOUT::place_children(QWidget* dialog) {
    frame_ = dialog;
    frame_size_ = dialog->size();
    frame_font_pixels_ = dialog->font().pixelSize();
    for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        place(control);
        // A picture in a label grows with the label.
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setScaledContents(true);
        }
    }
}

void CHESS_GUI_LAYOUT::apply(int32_t percent, QPoint origin) const {
    if (frame_ != nullptr) {
        QFont font = frame_->font();
        font.setPixelSize(CHESS_GUI_ZOOM::scaled(frame_font_pixels_, percent));
        frame_->setFont(font);
        frame_->setFixedSize(CHESS_GUI_ZOOM::scaled(frame_size_, percent));
    }
    for (const ITEM& item : items_) {
        if (item.font_pixels > 0) {
            QFont font = item.control->font();
            font.setPixelSize(CHESS_GUI_ZOOM::scaled(item.font_pixels, percent));
            item.control->setFont(font);
        }
        item.control->setGeometry(CHESS_GUI_ZOOM::scaled(item.rect, percent).translated(origin));
    }
}
