#include "windows/chess_gui_image_button.h"

#include "desktop/chess_gui_resources.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

CHESS_GUI_IMAGE_BUTTON::CHESS_GUI_IMAGE_BUTTON(QWidget* parent, QPoint position,
                                               int32_t on_bitmap_id, int32_t off_bitmap_id)
    : QWidget(parent), on_bitmap(CHESS_GUI_RESOURCES::pixmap(on_bitmap_id)),
      off_bitmap(CHESS_GUI_RESOURCES::pixmap(off_bitmap_id)) {
    setGeometry(QRect(position, on_bitmap.size()));
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
}

void CHESS_GUI_IMAGE_BUTTON::set_on(bool on) {
    if (on != is_on_) {
        is_on_ = on;
        repaint();
    }
}

void CHESS_GUI_IMAGE_BUTTON::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, is_on_ ? on_bitmap : off_bitmap);
    if (hasFocus()) {
        qDrawShadeRect(&painter, rect(), palette(), false, 1);
    }
}

void CHESS_GUI_IMAGE_BUTTON::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    is_on_ = !is_on_;
    repaint();
    emit switched(this, is_on_);
}

void CHESS_GUI_IMAGE_BUTTON::enterEvent(QEnterEvent*) {
    if (isEnabled() && isActiveWindow()) {
        setFocus(Qt::MouseFocusReason);
    }
}

void CHESS_GUI_IMAGE_BUTTON::focusInEvent(QFocusEvent*) {
    update();
}

void CHESS_GUI_IMAGE_BUTTON::focusOutEvent(QFocusEvent*) {
    update();
}
