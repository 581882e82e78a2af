// The small pictures around the board: the turn arrows, the board-rotation button, the webcam
// button, the command-menu icon, and the application icon. They stand on the window's sage
// background, flat with one soft shadow, and each "off" picture is the same shape dimmed, so on
// and off tell apart at a glance.
#include "desktop/chess_gui_button_art.h"

#include "desktop/chess_gui_resource_ids.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor ink(40, 52, 50);
const QColor dim_ink(112, 138, 130);
const QColor amber(242, 178, 52);
const QColor face_light(196, 220, 210);
const QColor face_dark(160, 190, 178);

const QColor window_background(150, 182, 170);
const QColor light_square(206, 206, 148);
const QColor dark_square(148, 26, 26);

// A picture of width x height pixels on the window's background, with scale device pixels per
// pixel.
QImage blank(int width, int height, double scale) {
    QImage image(static_cast<int>(std::ceil(width * scale)),
                 static_cast<int>(std::ceil(height * scale)), QImage::Format_RGB32);
    image.fill(window_background);
    return image;
}

void begin(QPainter& p, double scale) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
}

// A raised rounded face that the symbol sits on.
void draw_face(QPainter& p, const QRectF& area, bool lit) {
    QLinearGradient face(area.topLeft(), area.bottomLeft());
    face.setColorAt(0, lit ? face_light : QColor(172, 198, 188));
    face.setColorAt(1, lit ? face_dark : QColor(150, 178, 168));
    p.setPen(QPen(QColor(92, 118, 110), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(area, 4, 4);
}

// Turn arrow, 20 x 35, pointing at the name of the side to move.
QImage draw_arrow(bool on, double scale) {
    QImage image = blank(20, 35, scale);
    QPainter p(&image);
    begin(p, scale);
    QPainterPath arrow;
    arrow.moveTo(3, 8.5);
    arrow.lineTo(17, 17.5);
    arrow.lineTo(3, 26.5);
    arrow.quadTo(6, 17.5, 3, 8.5);
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawPath(arrow.translated(1, 1.5));
        p.setPen(QPen(QColor(120, 72, 12), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(amber);
    } else {
        p.setPen(QPen(dim_ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
    }
    p.drawPath(arrow);
    return image;
}

// Board rotation, 24 x 42: two arrows chasing round a circle above a little two-square board
// whose lower square shows the colour now at the bottom (on: white, off: black).
QImage draw_rotate(bool white_at_bottom, double scale) {
    QImage image = blank(24, 42, scale);
    QPainter p(&image);
    begin(p, scale);
    draw_face(p, QRectF(0.5, 0.5, 23, 41), true);
    const QRectF circle(5, 5, 14, 14);
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(circle, 20 * 16, 140 * 16);
    p.drawArc(circle, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPointF centre = circle.center();
    for (int sign : {1, -1}) {
        // Arrow heads at the arcs' clockwise ends.
        QPainterPath head;
        const QPointF tip = centre + QPointF(sign * 7.6, sign * -1.0);
        head.moveTo(tip + QPointF(sign * -3.4, sign * -0.8));
        head.lineTo(tip + QPointF(sign * 3.4, sign * -0.8));
        head.lineTo(tip + QPointF(0, sign * 3.6));
        head.closeSubpath();
        p.drawPath(head);
    }
    const QColor ivory(250, 246, 232);
    const QColor ebony(34, 30, 30);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(white_at_bottom ? ebony : ivory);
    p.drawRect(QRectF(7.5, 23.5, 9, 7));
    p.setBrush(white_at_bottom ? ivory : ebony);
    p.drawRect(QRectF(7.5, 30.5, 9, 7));
    return image;
}

// Webcam button, 29 x 22: a small video camera; on, its lens is lit and a green light shows;
// off, it is greyed and struck through in red.
QImage draw_webcam(bool on, double scale) {
    QImage image = blank(29, 22, scale);
    QPainter p(&image);
    begin(p, scale);
    draw_face(p, QRectF(0.5, 0.5, 28, 21), on);
    const QColor body = on ? ink : dim_ink;
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(5, 6, 13, 10), 2, 2);
    QPainterPath horn;
    horn.moveTo(18, 9.5);
    horn.lineTo(24, 6.5);
    horn.lineTo(24, 15.5);
    horn.lineTo(18, 12.5);
    horn.closeSubpath();
    p.drawPath(horn);
    p.setBrush(on ? QColor(120, 200, 230) : QColor(150, 170, 164));
    p.drawEllipse(QPointF(11.5, 11), 2.6, 2.6);
    if (on) {
        p.setBrush(QColor(90, 220, 110));
        p.drawEllipse(QPointF(7.5, 8.5), 1.1, 1.1);
    } else {
        p.setPen(QPen(QColor(200, 40, 36), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 18), QPointF(24, 4));
    }
    return image;
}

// Command-menu icon, 30 x 30: three bars, the menu sign everyone knows, on a raised face.
QImage draw_menu_icon(double scale) {
    QImage image = blank(30, 30, scale);
    QPainter p(&image);
    begin(p, scale);
    draw_face(p, QRectF(0.5, 0.5, 29, 29), true);
    p.setPen(QPen(ink, 3.0, Qt::SolidLine, Qt::RoundCap));
    for (int bar = 0; bar < 3; ++bar) {
        const qreal y = 9.5 + bar * 5.5;
        p.drawLine(QPointF(8, y), QPointF(22, y));
    }
    return image;
}

// Application icon, 128 x 128: an ivory knight on a corner of the red and cream board, in a
// walnut frame, with a small sage speech bubble for the opponent who talks.
QImage draw_application_icon(double scale) {
    const int pixels = static_cast<int>(std::ceil(128 * scale));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    begin(p, scale);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, 120, 120), 22, 22);
    QLinearGradient wood(0, 0, 128, 128);
    wood.setColorAt(0, QColor(140, 94, 58));
    wood.setColorAt(1, QColor(80, 50, 30));
    p.fillPath(tile, wood);
    p.save();
    QPainterPath inner;
    inner.addRoundedRect(QRectF(14, 14, 100, 100), 14, 14);
    p.setClipPath(inner);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            p.fillRect(QRectF(14 + column * 50, 14 + row * 50, 50, 50),
                       (row + column) % 2 == 0 ? light_square : dark_square);
        }
    }
    p.restore();

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(96);
    QPainterPath knight;
    knight.addText(0, 0, font, QString(QChar(0x265E)));
    const QRectF bounds = knight.boundingRect();
    QTransform place;
    place.translate(64, 66);
    place.scale(84 / bounds.height(), 84 / bounds.height());
    place.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath shape = place.map(knight);
    p.fillPath(shape.translated(2.5, 3), QColor(0, 0, 0, 70));
    p.setPen(QPen(QColor(26, 22, 20), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(252, 248, 236));
    p.drawPath(shape);

    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(80, 10, 38, 26), 9, 9);
    QPainterPath tail;
    tail.moveTo(88, 33);
    tail.lineTo(84, 44);
    tail.lineTo(97, 34);
    bubble = bubble.united(tail);
    p.setPen(QPen(QColor(40, 60, 54), 2.0));
    p.setBrush(QColor(178, 214, 200));
    p.drawPath(bubble);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 54));
    for (int dot = 0; dot < 3; ++dot) {
        p.drawEllipse(QPointF(90 + dot * 9, 23), 2.6, 2.6);
    }
    return image;
}

} // namespace

const std::vector<int32_t>& CHESS_GUI_BUTTON_ART::ids() {
    using ids = CHESS_GUI_RESOURCE_IDS;
    static const std::vector<int32_t> all{ids::arrow_on,   ids::arrow_off, ids::rotate_on,
                                          ids::rotate_off, ids::webcam_on, ids::webcam_off,
                                          ids::menu_icon,  ids::icon};
    return all;
}

QImage CHESS_GUI_BUTTON_ART::draw(int32_t id, double scale) {
    using ids = CHESS_GUI_RESOURCE_IDS;
    switch (id) {
    case ids::arrow_on:
        return draw_arrow(true, scale);
    case ids::arrow_off:
        return draw_arrow(false, scale);
    case ids::rotate_on:
        return draw_rotate(true, scale);
    case ids::rotate_off:
        return draw_rotate(false, scale);
    case ids::webcam_on:
        return draw_webcam(true, scale);
    case ids::webcam_off:
        return draw_webcam(false, scale);
    case ids::menu_icon:
        return draw_menu_icon(scale);
    case ids::icon:
        return draw_application_icon(scale);
    default:
        return QImage();
    }
}
