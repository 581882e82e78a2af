#include "windows/chess_gui_static.h"

#include <QPainter>

namespace {
const QColor name_background(178, 206, 195);
const QColor window_background(150, 182, 170);
const QColor status_colour(255, 0, 0);
} // namespace

CHESS_GUI_STATIC::CHESS_GUI_STATIC(QWidget* parent, bool status_mode)
    : QWidget(parent), status_mode(status_mode) {
    QFont text_font = font();
    text_font.setPixelSize(12);
    text_font.setBold(status_mode);
    setFont(text_font);
}

void CHESS_GUI_STATIC::set_text(const QString& text) {
    text_ = text;
    repaint();
}

void CHESS_GUI_STATIC::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (status_mode) {
        painter.setPen(window_background);
        painter.setBrush(window_background);
        painter.drawRect(box);
        painter.setPen(status_colour);
    } else {
        painter.setPen(Qt::black);
        painter.setBrush(name_background);
        painter.drawRect(box);
        paint_bump_edge(painter);
        painter.setPen(Qt::black);
    }
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}

// A raised outer ring and a sunken inner ring, as a name plate set into the panel.
void CHESS_GUI_STATIC::paint_bump_edge(QPainter& painter) const {
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const auto ring = [&painter](QRect r, const QColor& top_left, const QColor& bottom_right) {
        painter.setPen(top_left);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottom_right);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    ring(outer, light, dark);
    ring(outer.adjusted(1, 1, -1, -1), dark, light);
}
