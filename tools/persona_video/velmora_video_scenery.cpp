#include "velmora_video_scenery.h"

#include "velmora_video_palette.h"
#include "velmora_video_pieces.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

using PAL = VELMORA_VIDEO_PALETTE;

namespace {

QPen line_pen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A point of the board's quadrilateral: u across the files (0..1), v from the far edge
// towards the camera (0..1).
QPointF board_point(double u, double v) {
    const QPointF far_left(-30, 200), far_right(134, 200);
    const QPointF near_left(-76, 262), near_right(124, 262);
    const QPointF far = far_left + (far_right - far_left) * u;
    const QPointF near = near_left + (near_right - near_left) * u;
    return far + (near - far) * v;
}

} // namespace

void VELMORA_VIDEO_SCENERY::draw_room(QPainter& p) {
    QLinearGradient wall(0, 0, 320, 240);
    wall.setColorAt(0, PAL::wall_light);
    wall.setColorAt(1, PAL::wall_dark);
    p.fillRect(QRectF(0, 0, 320, 240), wall);
    // Daylight from the window falls on the wall beside it.
    QRadialGradient glow(QPointF(70, 70), 150);
    glow.setColorAt(0, QColor(255, 246, 226, 90));
    glow.setColorAt(1, QColor(255, 246, 226, 0));
    p.fillRect(QRectF(0, 0, 320, 240), glow);
    draw_window(p);
    draw_print(p);
    draw_shelf(p);
}

void VELMORA_VIDEO_SCENERY::draw_window(QPainter& p) {
    const QRectF glass(18, 20, 80, 104);
    QLinearGradient sky(glass.topLeft(), glass.bottomLeft());
    sky.setColorAt(0, PAL::sky_top);
    sky.setColorAt(1, PAL::sky_bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(glass);
    // A far hill and two soft reflections on the glass.
    QPainterPath hill;
    hill.moveTo(18, 112);
    hill.cubicTo(40, 96, 70, 100, 98, 92);
    hill.lineTo(98, 124);
    hill.lineTo(18, 124);
    p.setBrush(QColor(150, 178, 150));
    p.drawPath(hill);
    p.setPen(line_pen(QColor(255, 255, 255, 90), 4));
    p.drawLine(QPointF(30, 60), QPointF(52, 34));
    p.drawLine(QPointF(38, 66), QPointF(48, 54));
    p.setPen(line_pen(PAL::window_frame, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(glass);
    p.drawLine(QPointF(58, 20), QPointF(58, 124));
    p.drawLine(QPointF(18, 72), QPointF(98, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(PAL::window_frame);
    p.drawRect(QRectF(10, 122, 96, 7));
    // The curtain gathered at the window's left side.
    QPainterPath curtain;
    curtain.moveTo(2, 10);
    curtain.lineTo(30, 10);
    curtain.cubicTo(22, 50, 34, 90, 24, 140);
    curtain.lineTo(0, 140);
    curtain.lineTo(0, 10);
    p.setBrush(PAL::curtain);
    p.drawPath(curtain);
    p.setPen(line_pen(PAL::curtain_dark, 2.5));
    p.drawLine(QPointF(12, 16), QPointF(10, 136));
    p.drawLine(QPointF(21, 16), QPointF(18, 136));
    p.setPen(line_pen(PAL::wood_dark, 3));
    p.drawLine(QPointF(0, 10), QPointF(110, 10));
}

void VELMORA_VIDEO_SCENERY::draw_print(QPainter& p) {
    const QRectF frame(250, 14, 46, 56);
    p.setPen(line_pen(PAL::wood_dark, 3));
    p.setBrush(QColor(236, 228, 210));
    p.drawRect(frame);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 190, 160));
    p.drawRect(frame.adjusted(7, 7, -7, -7));
    VELMORA_VIDEO_PIECES::draw(p, VELMORA_VIDEO_PROP::knight, QPointF(273, 58), 32,
                               QColor(96, 70, 74), QColor(96, 70, 74));
}

void VELMORA_VIDEO_SCENERY::draw_shelf(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(PAL::wood);
    p.drawRect(QRectF(232, 112, 88, 6));
    p.setBrush(PAL::wood_dark);
    p.drawRect(QRectF(232, 118, 88, 3));
    struct BOOK {
        double x, width, height;
        QColor colour;
    };
    const BOOK books[] = {{290, 8, 30, QColor(120, 138, 156)},
                          {298, 7, 26, QColor(170, 124, 104)},
                          {305, 9, 33, QColor(110, 138, 108)},
                          {314, 7, 28, QColor(184, 158, 104)}};
    for (const BOOK& book : books) {
        p.setBrush(book.colour);
        p.drawRect(QRectF(book.x, 112 - book.height, book.width, book.height));
        p.setBrush(book.colour.darker(125));
        p.drawRect(QRectF(book.x, 112 - book.height + 5, book.width, 2));
    }
    // Her trophy: a small gold cup.
    QPainterPath cup;
    cup.moveTo(256, 84);
    cup.lineTo(272, 84);
    cup.cubicTo(272, 96, 266, 100, 264, 101);
    cup.lineTo(264, 106);
    cup.lineTo(269, 108);
    cup.lineTo(269, 112);
    cup.lineTo(259, 112);
    cup.lineTo(259, 108);
    cup.lineTo(264, 106);
    cup.lineTo(264, 101);
    cup.cubicTo(262, 100, 256, 96, 256, 84);
    p.setBrush(PAL::gold);
    p.setPen(line_pen(PAL::gold_dark, 1.2));
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(250, 86, 9, 9), 90 * 16, 180 * 16);
    p.drawArc(QRectF(269, 86, 9, 9), -90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 200, 180));
    p.drawRect(QRectF(259, 86, 2.5, 8));
    // A plant at the shelf's left end.
    p.setBrush(QColor(176, 100, 70));
    p.drawRect(QRectF(236, 100, 12, 12));
    p.setBrush(QColor(96, 140, 88));
    p.drawEllipse(QPointF(238, 94), 5, 9);
    p.drawEllipse(QPointF(246, 93), 5, 10);
    p.drawEllipse(QPointF(242, 88), 4, 9);
}

void VELMORA_VIDEO_SCENERY::draw_chair(QPainter& p) {
    const QRectF back(104, 70, 122, 150);
    p.setPen(line_pen(QColor(44, 46, 60), 2));
    p.setBrush(PAL::chair);
    p.drawRoundedRect(back, 30, 30);
    p.setPen(line_pen(PAL::chair_light, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(114, 78, 102, 60), 30 * 16, 120 * 16);
    p.setPen(line_pen(QColor(54, 58, 74), 2));
    p.drawLine(QPointF(165, 96), QPointF(165, 200));
}

void VELMORA_VIDEO_SCENERY::draw_desk(QPainter& p, bool mug_on_desk, int tick) {
    QLinearGradient top(0, desk_top, 0, 240);
    top.setColorAt(0, PAL::wood_light);
    top.setColorAt(0.15, PAL::wood);
    top.setColorAt(1, PAL::wood_dark);
    p.setPen(Qt::NoPen);
    p.setBrush(top);
    p.drawRect(QRectF(0, desk_top, 320, 240 - desk_top));
    p.setPen(line_pen(QColor(120, 82, 54, 120), 1.2));
    p.drawLine(QPointF(150, 212), QPointF(320, 210));
    p.drawLine(QPointF(180, 228), QPointF(320, 226));
    draw_board(p);
    if (mug_on_desk) {
        draw_mug(p, QPointF(290, 214), tick, true);
    }
}

void VELMORA_VIDEO_SCENERY::draw_board(QPainter& p) {
    // The wooden frame, then the squares in perspective, then two of her pieces.
    QPolygonF frame;
    frame << board_point(-0.04, -0.08) << board_point(1.04, -0.08) << board_point(1.04, 1.0)
          << board_point(-0.04, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 58, 36));
    p.drawPolygon(frame);
    const int ranks = 3; // the three ranks nearest her are in view
    for (int rank = 0; rank < ranks; ++rank) {
        for (int file = 0; file < 8; ++file) {
            const double u0 = file / 8.0, u1 = (file + 1) / 8.0;
            const double v0 = rank / 3.0, v1 = (rank + 1) / 3.0;
            QPolygonF square;
            square << board_point(u0, v0) << board_point(u1, v0) << board_point(u1, v1)
                   << board_point(u0, v1);
            p.setBrush((file + rank) % 2 == 0 ? PAL::light_square : PAL::dark_square);
            p.drawPolygon(square);
        }
    }
    const QColor black_line(20, 16, 20);
    VELMORA_VIDEO_PIECES::draw(p, VELMORA_VIDEO_PROP::rook, board_point(0.44, 0.16), 17,
                               PAL::piece_black, black_line);
    VELMORA_VIDEO_PIECES::draw(p, VELMORA_VIDEO_PROP::pawn, board_point(0.69, 0.5), 16,
                               PAL::piece_black, black_line);
    VELMORA_VIDEO_PIECES::draw(p, VELMORA_VIDEO_PROP::knight, board_point(0.19, 0.5), 19,
                               PAL::piece_black, black_line);
}

void VELMORA_VIDEO_SCENERY::draw_mug(QPainter& p, QPointF base, int tick, bool steaming) {
    p.save();
    p.translate(base);
    p.setPen(line_pen(QColor(150, 62, 48), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9, -9), 5, 5);
    p.setBrush(PAL::mug);
    p.drawRoundedRect(QRectF(-9, -20, 18, 20), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRect(QRectF(-6, -17, 3, 14));
    if (steaming) {
        const double sway = tick % 2 == 0 ? 2 : -2;
        p.setPen(line_pen(PAL::steam, 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath wisp;
        wisp.moveTo(-2, -24);
        wisp.cubicTo(-2 + sway, -30, -2 - sway, -34, -2 + sway, -40);
        wisp.moveTo(4, -24);
        wisp.cubicTo(4 - sway, -29, 4 + sway, -33, 4 - sway, -37);
        p.drawPath(wisp);
    }
    p.restore();
}

void VELMORA_VIDEO_SCENERY::draw_overlay(QPainter& p, const VELMORA_VIDEO_POSE& pose, QPointF head,
                                         int tick) {
    switch (pose.effect) {
    case VELMORA_VIDEO_EFFECT::sparkle:
        draw_sparkle(p, head + QPointF(-58, -34 + (tick % 2) * 4), 9);
        draw_sparkle(p, head + QPointF(60, -48), tick % 2 == 0 ? 11 : 7);
        draw_sparkle(p, head + QPointF(70, 6 - (tick % 2) * 4), 7);
        break;
    case VELMORA_VIDEO_EFFECT::thought:
        draw_thought(p, head, tick);
        break;
    case VELMORA_VIDEO_EFFECT::spin:
        draw_spin(p, tick);
        break;
    case VELMORA_VIDEO_EFFECT::sweat:
        draw_sweat(p, head);
        break;
    case VELMORA_VIDEO_EFFECT::exclaim:
        draw_exclaim(p, head, tick);
        break;
    default:
        break;
    }
}

void VELMORA_VIDEO_SCENERY::draw_sparkle(QPainter& p, QPointF centre, double size) {
    QPainterPath star;
    star.moveTo(centre + QPointF(0, -size));
    star.quadTo(centre, centre + QPointF(size, 0));
    star.quadTo(centre, centre + QPointF(0, size));
    star.quadTo(centre, centre + QPointF(-size, 0));
    star.quadTo(centre, centre + QPointF(0, -size));
    p.setPen(line_pen(PAL::gold_dark, 1));
    p.setBrush(PAL::sparkle);
    p.drawPath(star);
}

void VELMORA_VIDEO_SCENERY::draw_thought(QPainter& p, QPointF head, int tick) {
    p.setPen(line_pen(QColor(120, 110, 120), 1.2));
    p.setBrush(PAL::bubble);
    p.drawEllipse(head + QPointF(48, -26), 3.5, 3.5);
    p.drawEllipse(head + QPointF(58, -38), 5.5, 5.5);
    const QPointF cloud = head + QPointF(84, -56);
    QPainterPath puff;
    puff.addEllipse(cloud + QPointF(-14, 0), 12, 10);
    puff.addEllipse(cloud + QPointF(0, -5), 14, 12);
    puff.addEllipse(cloud + QPointF(14, 0), 12, 10);
    puff.addEllipse(cloud + QPointF(0, 5), 14, 9);
    p.drawPath(puff.simplified());
    // The dots fill in one by one as she thinks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 80, 96));
    for (int dot = 0; dot <= tick % 3; ++dot) {
        p.drawEllipse(cloud + QPointF(-9 + 9 * dot, 0), 2.4, 2.4);
    }
}

void VELMORA_VIDEO_SCENERY::draw_spin(QPainter& p, int tick) {
    const QPointF centre(60, 214);
    const QRectF ring(centre.x() - 34, centre.y() - 20, 68, 40);
    const int start = (tick * 80) % 360;
    p.setPen(line_pen(QColor(255, 250, 236, 235), 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, start * 16, 250 * 16);
    const double end = (start + 250) * M_PI / 180.0;
    const QPointF tip(centre.x() + 34 * std::cos(end), centre.y() - 20 * std::sin(end));
    const QPointF along(-std::sin(end) * 34, -std::cos(end) * 20);
    const double length = std::hypot(along.x(), along.y());
    const QPointF forward = along / length * 9.0;
    const QPointF side(-forward.y(), forward.x());
    QPolygonF head;
    head << tip + forward << tip + side * 0.8 << tip - side * 0.8;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 236, 235));
    p.drawPolygon(head);
}

void VELMORA_VIDEO_SCENERY::draw_sweat(QPainter& p, QPointF head) {
    const QPointF drop = head + QPointF(-52, -20);
    QPainterPath path;
    path.moveTo(drop + QPointF(0, -9));
    path.cubicTo(drop + QPointF(3, -4), drop + QPointF(6, 0), drop + QPointF(0, 4));
    path.cubicTo(drop + QPointF(-6, 0), drop + QPointF(-3, -4), drop + QPointF(0, -9));
    p.setPen(line_pen(QColor(70, 120, 180), 1.2));
    p.setBrush(PAL::sweat);
    p.drawPath(path);
}

void VELMORA_VIDEO_SCENERY::draw_exclaim(QPainter& p, QPointF head, int tick) {
    const QPointF at = head + QPointF(62, -44 - (tick % 2) * 3);
    p.setPen(line_pen(QColor(255, 255, 255), 2));
    p.setBrush(PAL::exclaim);
    QPainterPath mark;
    mark.moveTo(at + QPointF(-4, -14));
    mark.lineTo(at + QPointF(4, -14));
    mark.lineTo(at + QPointF(1.6, 4));
    mark.lineTo(at + QPointF(-1.6, 4));
    mark.closeSubpath();
    p.drawPath(mark);
    p.drawEllipse(at + QPointF(0, 10), 3, 3);
}

void VELMORA_VIDEO_SCENERY::apply_camera(QImage& image, const VELMORA_VIDEO_POSE& pose, int tick) {
    if (pose.effect == VELMORA_VIDEO_EFFECT::black) {
        QPainter p(&image);
        p.fillRect(image.rect(), QColor(8, 8, 10, static_cast<int>(255 * pose.effect_amount)));
        return;
    }
    if (pose.effect != VELMORA_VIDEO_EFFECT::static_noise) {
        return;
    }
    // Snow from a small linear congruential generator seeded by the tick, so it is the same on
    // every build.
    uint32_t state = 2166136261u ^ static_cast<uint32_t>(tick * 7919);
    const double keep = 1.0 - pose.effect_amount;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int grey = static_cast<int>((state >> 24) & 0xff);
            const QRgb c = line[x];
            auto mix = [&](int v) { return static_cast<int>(v * keep + grey * (1.0 - keep)); };
            line[x] = qRgb(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)));
        }
    }
}
