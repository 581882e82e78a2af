#include "board_view/chess_gui_mark_painter.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {
const QColor last_move_tint(64, 160, 224, 120);
const QColor selected_tint(40, 210, 120, 140);
const QColor check_core(255, 90, 60, 255);
const QColor check_glow(235, 0, 0, 200);
const QColor destination_fill(20, 90, 45, 200);
const QColor light_rim(255, 255, 255, 190);
const QColor cursor_light(255, 255, 255);
const QColor cursor_dark(20, 20, 20);
const QColor played_arrow(40, 110, 235, 200);
const QColor better_arrow(20, 175, 70, 210);
const QColor arrow_rim(0, 0, 0, 130);
} // namespace

CHESS_GUI_MARK_PAINTER::CHESS_GUI_MARK_PAINTER(QImage& picture, double scale, const QRect& clip)
    : painter_(&picture) {
    painter_.scale(scale, scale);
    painter_.setClipRect(clip);
    painter_.setRenderHint(QPainter::Antialiasing);
}

void CHESS_GUI_MARK_PAINTER::paint_under(int32_t kind, const QRect& square) {
    if (kind == CHESS_GUI_BOARD_MARK::check) {
        const QPointF centre = QRectF(square).center();
        QRadialGradient glow(centre, square.width() * 0.62);
        glow.setColorAt(0.0, check_core);
        glow.setColorAt(0.45, check_glow);
        glow.setColorAt(1.0, QColor(235, 0, 0, 0));
        painter_.fillRect(square, glow);
        return;
    }
    painter_.fillRect(square,
                      kind == CHESS_GUI_BOARD_MARK::selected ? selected_tint : last_move_tint);
}

void CHESS_GUI_MARK_PAINTER::paint_destination(const QRect& square, bool occupied) {
    const QRectF area(square);
    const double w = area.width();
    if (occupied) {
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(QPen(destination_fill, w * 0.09));
        painter_.drawEllipse(area.center(), w * 0.44, w * 0.44);
        painter_.setPen(QPen(light_rim, w * 0.025));
        painter_.drawEllipse(area.center(), w * 0.39, w * 0.39);
        return;
    }
    painter_.setBrush(destination_fill);
    painter_.setPen(QPen(light_rim, w * 0.03));
    painter_.drawEllipse(area.center(), w * 0.15, w * 0.15);
}

void CHESS_GUI_MARK_PAINTER::paint_cursor(const QRect& square) {
    const QRectF area(square);
    const double w = area.width();
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(cursor_dark, w * 0.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.drawRect(area.adjusted(w * 0.05, w * 0.05, -w * 0.05, -w * 0.05));
    painter_.setPen(QPen(cursor_light, w * 0.05, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.drawRect(area.adjusted(w * 0.05, w * 0.05, -w * 0.05, -w * 0.05));
}

void CHESS_GUI_MARK_PAINTER::paint_arrow(int32_t kind, const QRect& from, const QRect& to) {
    const QPointF start = QRectF(from).center();
    const QPointF end = QRectF(to).center();
    const QPointF delta = end - start;
    const double length = std::hypot(delta.x(), delta.y());
    if (length == 0) {
        return;
    }
    const double w = from.width();
    const double shaft = w * 0.1;
    const double head_length = w * 0.4;
    const double head_half_width = w * 0.25;
    // The arrow drawn along the x axis from the origin, then turned onto the move.
    QPainterPath arrow;
    arrow.moveTo(0, -shaft);
    arrow.lineTo(length - head_length, -shaft);
    arrow.lineTo(length - head_length, -head_half_width);
    arrow.lineTo(length, 0);
    arrow.lineTo(length - head_length, head_half_width);
    arrow.lineTo(length - head_length, shaft);
    arrow.lineTo(0, shaft);
    arrow.closeSubpath();
    painter_.save();
    painter_.translate(start);
    painter_.rotate(std::atan2(delta.y(), delta.x()) * 180.0 / std::numbers::pi);
    painter_.setPen(QPen(arrow_rim, w * 0.03));
    painter_.setBrush(kind == CHESS_GUI_BOARD_MARK::better_move ? better_arrow : played_arrow);
    painter_.drawPath(arrow);
    painter_.restore();
}
