#include "desktop/chess_gui_focus_frame.h"

#include <QPainter>
#include <QWidget>

void CHESS_GUI_FOCUS_FRAME::draw(const QWidget& control, QWidget& viewport) {
    if (!control.hasFocus()) {
        return;
    }
    QPainter painter(&viewport);
    QPen pen(control.palette().color(QPalette::Highlight));
    pen.setWidth(2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(viewport.rect().adjusted(1, 1, -1, -1));
}
