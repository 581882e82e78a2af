#include "windows/chess_gui_image_button.h"

#include "desktop/chess_gui_button_art.h"
#include "desktop/chess_gui_resources.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <qdrawutil.h>

CHESS_GUI_IMAGE_BUTTON::CHESS_GUI_IMAGE_BUTTON(QWidget* parent, QPoint position,
                                               int32_t on_bitmap_id, int32_t off_bitmap_id)
    : QWidget(parent), on_id(on_bitmap_id), off_id(off_bitmap_id),
      on_bitmap(CHESS_GUI_RESOURCES::pixmap(on_bitmap_id)),
      off_bitmap(CHESS_GUI_RESOURCES::pixmap(off_bitmap_id)) {
    setGeometry(QRect(position, on_bitmap.size()));
    setFocusPolicy(Qt::StrongFocus);
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
    painter.drawPixmap(rect(), picture(is_on_));
    if (hasFocus()) {
        qDrawShadeRect(&painter, rect(), palette(), false, 1);
    }
}

const QPixmap& CHESS_GUI_IMAGE_BUTTON::picture(bool on) {
    const QPixmap& resource = on ? on_bitmap : off_bitmap;
    const double ratio = devicePixelRatioF();
    const double scale = width() * ratio / on_bitmap.width();
    if (scale == 1.0) {
        return resource;
    }
    QPixmap& drawn = on ? drawn_on : drawn_off;
    const QSize pixels(static_cast<int>(std::ceil(resource.width() * scale)),
                       static_cast<int>(std::ceil(resource.height() * scale)));
    if (drawn.size() != pixels) {
        drawn = QPixmap::fromImage(CHESS_GUI_BUTTON_ART::draw(on ? on_id : off_id, scale));
        drawn.setDevicePixelRatio(ratio);
    }
    return drawn;
}

void CHESS_GUI_IMAGE_BUTTON::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        toggle();
    }
}

void CHESS_GUI_IMAGE_BUTTON::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        toggle();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CHESS_GUI_IMAGE_BUTTON::toggle() {
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
