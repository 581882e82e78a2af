// The twenty level pictures of the New Game dialog, 60 x 60: one badge per level title in one
// style. Every badge has the same rounded frame, a cream medallion with the title's emblem drawn
// with the same 2-pixel ink line and one accent colour, and a strength bar along the bottom that
// fills one twentieth per level. The badge's colour climbs through five tiers as the levels get
// stronger: sage, teal, bronze, violet, and crimson with gold.
#include "desktop/chess_gui_level_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <functional>

namespace {

const QColor ink(44, 40, 48);
const QColor cream(250, 244, 226);

struct TIER {
    QColor top;
    QColor bottom;
    QColor rim;
    QColor bar;
};

const std::array<TIER, 5> tiers{{
    {QColor(176, 204, 186), QColor(130, 168, 146), QColor(96, 128, 108), QColor(90, 170, 110)},
    {QColor(140, 196, 204), QColor(74, 138, 156), QColor(46, 96, 112), QColor(60, 170, 200)},
    {QColor(226, 178, 120), QColor(170, 104, 50), QColor(116, 66, 28), QColor(240, 150, 50)},
    {QColor(186, 150, 214), QColor(110, 70, 150), QColor(70, 40, 104), QColor(200, 120, 255)},
    {QColor(214, 70, 70), QColor(120, 16, 28), QColor(230, 184, 70), QColor(255, 214, 90)},
}};

void pen(QPainter& p, qreal width = 2.0) {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Emblems, drawn in a 32 x 32 box whose centre is the origin.

void sprout(QPainter& p) {
    pen(p);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, 12), QPointF(0, -2));
    p.setBrush(QColor(120, 190, 90));
    QPainterPath left;
    left.moveTo(0, -1);
    left.cubicTo(-4, -10, -12, -10, -13, -6);
    left.cubicTo(-11, 0, -4, 1, 0, -1);
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(0, -4);
    right.cubicTo(3, -13, 11, -14, 13, -10);
    right.cubicTo(11, -4, 4, -2, 0, -4);
    p.drawPath(right);
    p.setBrush(QColor(150, 110, 70));
    p.drawRoundedRect(QRectF(-9, 9, 18, 6), 2, 2);
}

void learner_plate(QPainter& p) {
    pen(p);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-12, -12, 24, 24), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawRect(QRectF(-6, -8, 5, 16));
    p.drawRect(QRectF(-6, 3, 12, 5));
}

void terminal(QPainter& p) {
    pen(p);
    p.setBrush(QColor(30, 34, 40));
    p.drawRoundedRect(QRectF(-14, -11, 28, 22), 3, 3);
    p.setPen(QPen(QColor(110, 230, 120), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(-9, -4), QPointF(-4, 0), QPointF(-9, 4)}));
    p.drawLine(QPointF(-1, 5), QPointF(7, 5));
}

void paper_crown(QPainter& p) {
    pen(p);
    p.setBrush(QColor(236, 214, 150));
    QPainterPath crown;
    crown.moveTo(-13, 9);
    crown.lineTo(-13, -7);
    crown.lineTo(-6, 0);
    crown.lineTo(0, -11);
    crown.lineTo(6, 0);
    crown.lineTo(13, -7);
    crown.lineTo(13, 9);
    crown.closeSubpath();
    p.drawPath(crown);
    // Dashed cutting line: it is only cardboard.
    p.setPen(QPen(ink, 1.0, Qt::DashLine));
    p.drawLine(QPointF(-11, 5), QPointF(11, 5));
}

void envelopes(QPainter& p) {
    for (int copy = 2; copy >= 0; --copy) {
        const QPointF at(copy * 3.5 - 5, copy * -3.5 + 2);
        pen(p, 1.6);
        p.setBrush(copy == 0 ? QColor(255, 250, 236) : QColor(226, 220, 204));
        const QRectF body(at.x() - 10, at.y() - 6, 20, 13);
        p.drawRect(body);
        p.drawPolyline(QPolygonF({body.topLeft(), QPointF(at.x(), at.y() + 1), body.topRight()}));
    }
}

void troll_bubble(QPainter& p) {
    pen(p);
    p.setBrush(Qt::white);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(-14, -12, 28, 19), 6, 6);
    QPainterPath tail;
    tail.moveTo(-7, 5);
    tail.lineTo(-10, 13);
    tail.lineTo(0, 6);
    p.drawPath(bubble.united(tail));
    // A flame in the bubble.
    p.setBrush(QColor(240, 110, 40));
    QPainterPath flame;
    flame.moveTo(0, 4);
    flame.cubicTo(-7, 3, -6, -4, -2, -9);
    flame.cubicTo(-2, -5, 1, -5, 2, -7);
    flame.cubicTo(6, -3, 6, 3, 0, 4);
    p.drawPath(flame);
}

void mortarboard(QPainter& p) {
    pen(p);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(-8, -2, 16, 9));
    p.drawPolygon(QPolygonF({QPointF(0, -12), QPointF(15, -5), QPointF(0, 2), QPointF(-15, -5)}));
    p.setPen(QPen(QColor(230, 180, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -5), QPointF(11, -1));
    p.drawLine(QPointF(11, -1), QPointF(11, 9));
    p.setBrush(QColor(230, 180, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(11, 10), 2, 2);
}

void ringed_planet(QPainter& p) {
    pen(p);
    p.setBrush(QColor(120, 140, 220));
    p.drawEllipse(QPointF(0, 0), 9, 9);
    p.setBrush(Qt::NoBrush);
    p.save();
    p.rotate(-20);
    p.drawArc(QRectF(-16, -5, 32, 10), 190 * 16, 160 * 16);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 60));
    for (const QPointF star : {QPointF(-12, -11), QPointF(12, 10), QPointF(11, -12)}) {
        p.drawEllipse(star, 1.6, 1.6);
    }
}

void foam_sword(QPainter& p) {
    p.save();
    p.rotate(-45);
    pen(p);
    p.setBrush(QColor(120, 200, 230));
    p.drawRoundedRect(QRectF(-3, -15, 6, 20), 3, 3);
    p.setBrush(QColor(230, 180, 40));
    p.drawRoundedRect(QRectF(-8, 5, 16, 3.5), 1.5, 1.5);
    p.setBrush(QColor(130, 80, 50));
    p.drawRect(QRectF(-1.8, 8.5, 3.6, 6));
    p.restore();
}

void glasses(QPainter& p) {
    pen(p, 2.4);
    p.setBrush(QColor(200, 230, 250));
    p.drawRoundedRect(QRectF(-14, -6, 12, 10), 3, 3);
    p.drawRoundedRect(QRectF(2, -6, 12, 10), 3, 3);
    p.drawLine(QPointF(-2, -3), QPointF(2, -3));
    // Tape on the bridge.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(-2.5, -5.5, 5, 5));
    pen(p, 1.0);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-2.5, -5.5, 5, 5));
}

void mainframe(QPainter& p) {
    pen(p);
    p.setBrush(QColor(210, 214, 220));
    p.drawRect(QRectF(-12, -13, 24, 26));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-5.5, -6), 4, 4);
    p.drawEllipse(QPointF(5.5, -6), 4, 4);
    p.setPen(Qt::NoPen);
    const std::array<QColor, 4> lights{QColor(230, 60, 50), QColor(240, 200, 40),
                                       QColor(70, 190, 90), QColor(230, 60, 50)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(lights[i]);
        p.drawEllipse(QPointF(-7.5 + i * 5, 4), 1.5, 1.5);
    }
    pen(p, 1.2);
    p.drawLine(QPointF(-8, 9), QPointF(8, 9));
}

void capsule(QPainter& p) {
    p.save();
    p.rotate(-35);
    pen(p);
    QPainterPath pill;
    pill.addRoundedRect(QRectF(-13, -5.5, 26, 11), 5.5, 5.5);
    p.setBrush(QColor(90, 160, 230));
    p.drawPath(pill);
    p.save();
    p.setClipRect(QRectF(0, -8, 16, 16));
    p.setBrush(QColor(250, 240, 230));
    p.drawPath(pill);
    p.restore();
    p.restore();
    // Jitter marks.
    pen(p, 1.4);
    p.drawLine(QPointF(-14, 6), QPointF(-10, 10));
    p.drawLine(QPointF(10, -10), QPointF(14, -6));
}

void high_heel(QPainter& p) {
    pen(p);
    p.setBrush(QColor(210, 40, 90));
    QPainterPath shoe;
    shoe.moveTo(-13, -6);
    shoe.cubicTo(-9, -8, -6, 4, 4, 5);
    shoe.lineTo(13, 5);
    shoe.lineTo(13, 9);
    shoe.lineTo(0, 9);
    shoe.cubicTo(-6, 9, -9, 0, -11, 0);
    shoe.lineTo(-11, 11);
    shoe.lineTo(-13, 11);
    shoe.closeSubpath();
    p.drawPath(shoe);
}

// The family minivan, a soccer ball on the back window.
void minivan(QPainter& p) {
    pen(p);
    p.setBrush(QColor(90, 150, 210));
    QPainterPath body;
    body.moveTo(-15, 7);
    body.lineTo(-15, -3);
    body.lineTo(-10, -10);
    body.lineTo(11, -10);
    body.quadTo(15, -10, 15, -5);
    body.lineTo(15, 7);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(210, 235, 250));
    p.drawPolygon(
        QPolygonF({QPointF(-12.5, -3), QPointF(-9, -7.5), QPointF(-4, -7.5), QPointF(-4, -3)}));
    p.drawRect(QRectF(-1, -7.5, 6, 4.5));
    p.drawRect(QRectF(7.5, -7.5, 5, 4.5));
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(QPointF(-8, 8), 3.8, 3.8);
    p.drawEllipse(QPointF(8, 8), 3.8, 3.8);
    p.setBrush(Qt::white);
    p.setPen(QPen(ink, 1.0));
    p.drawEllipse(QPointF(10, -5.3), 1.8, 1.8);
}

// A head seen from the front with hair of the given colour.
void head(QPainter& p, const QColor& hair) {
    pen(p);
    p.setBrush(hair);
    QPainterPath locks;
    locks.moveTo(-12, 13);
    locks.cubicTo(-15, -4, -10, -14, 0, -14);
    locks.cubicTo(10, -14, 15, -4, 12, 13);
    locks.closeSubpath();
    p.drawPath(locks);
    p.setBrush(QColor(248, 214, 184));
    p.drawEllipse(QPointF(0, 0), 7.5, 9);
    p.setBrush(hair);
    QPainterPath fringe;
    fringe.moveTo(-8, -2);
    fringe.cubicTo(-6, -11, 6, -11, 8, -2);
    fringe.cubicTo(3, -6, -2, -6, -8, -2);
    p.drawPath(fringe);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(-3, 1.5), 1.1, 1.1);
    p.drawEllipse(QPointF(3, 1.5), 1.1, 1.1);
    p.setBrush(QColor(210, 70, 80));
    p.drawEllipse(QPointF(0, 5.5), 2, 1);
}

void padlock(QPainter& p) {
    pen(p, 2.4);
    p.setBrush(Qt::NoBrush);
    // The shackle sprung open.
    QPainterPath shackle;
    shackle.moveTo(-6, -1);
    shackle.lineTo(-6, -7);
    shackle.arcTo(QRectF(-6, -14, 12, 12), 180, -180);
    shackle.lineTo(6, -10);
    p.drawPath(shackle.translated(5, -2));
    pen(p);
    p.setBrush(QColor(230, 180, 40));
    p.drawRoundedRect(QRectF(-11, -2, 20, 15), 2, 2);
    p.setBrush(ink);
    p.drawEllipse(QPointF(-1, 4), 2, 2);
    p.drawLine(QPointF(-1, 5), QPointF(-1, 9));
}

void brain(QPainter& p) {
    pen(p);
    p.setBrush(QColor(240, 170, 190));
    QPainterPath outline;
    outline.moveTo(0, -11);
    outline.cubicTo(-6, -15, -14, -10, -12, -3);
    outline.cubicTo(-16, 2, -11, 10, -5, 9);
    outline.cubicTo(-3, 13, 3, 13, 5, 9);
    outline.cubicTo(11, 10, 16, 2, 12, -3);
    outline.cubicTo(14, -10, 6, -15, 0, -11);
    p.drawPath(outline);
    p.setBrush(Qt::NoBrush);
    pen(p, 1.4);
    p.drawLine(QPointF(0, -11), QPointF(0, 10));
    p.drawArc(QRectF(-9, -7, 7, 7), 0, 180 * 16);
    p.drawArc(QRectF(2, -3, 7, 7), 180 * 16, 180 * 16);
    p.drawArc(QRectF(-8, 2, 6, 5), 90 * 16, 180 * 16);
}

void light_bulb(QPainter& p) {
    p.setPen(QPen(QColor(250, 210, 60), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI + i * M_PI / 6;
        p.drawLine(QPointF(12.5 * std::cos(a), -3 + 12.5 * std::sin(a)),
                   QPointF(16 * std::cos(a), -3 + 16 * std::sin(a)));
    }
    pen(p);
    QRadialGradient glow(QPointF(-2, -6), 10);
    glow.setColorAt(0, QColor(255, 255, 220));
    glow.setColorAt(1, QColor(255, 214, 70));
    p.setBrush(glow);
    QPainterPath bulb;
    bulb.moveTo(-4, 6);
    bulb.cubicTo(-5, 1, -10, -1, -10, -5);
    bulb.cubicTo(-10, -11, -5, -14, 0, -14);
    bulb.cubicTo(5, -14, 10, -11, 10, -5);
    bulb.cubicTo(10, -1, 5, 1, 4, 6);
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(-4.5, 6, 9, 7), 1.5, 1.5);
    pen(p, 1.0);
    p.drawLine(QPointF(-4.5, 8.5), QPointF(4.5, 8.5));
    p.drawLine(QPointF(-4.5, 10.5), QPointF(4.5, 10.5));
}

QImage draw_level(int level, const std::function<void(QPainter&)>& emblem, double scale) {
    const TIER& tier = tiers[(level - 1) / 4];
    const int pixels = static_cast<int>(std::ceil(60 * scale));
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    QLinearGradient face(0, 0, 0, 60);
    face.setColorAt(0, tier.top);
    face.setColorAt(1, tier.bottom);
    p.setPen(QPen(tier.rim, level > 16 ? 2.5 : 1.5));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(1.25, 1.25, 57.5, 57.5), 9, 9);

    // The medallion and its emblem.
    p.setPen(QPen(tier.rim, 1.5));
    p.setBrush(cream);
    p.drawEllipse(QPointF(30, 25), 19, 19);
    p.save();
    p.translate(30, 25);
    p.scale(0.95, 0.95);
    emblem(p);
    p.restore();

    // The strength bar: one twentieth per level.
    const QRectF bar(9, 49, 42, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(bar, 2.5, 2.5);
    p.setBrush(tier.bar);
    p.drawRoundedRect(QRectF(bar.x(), bar.y(), bar.width() * level / 20.0, bar.height()), 2.5, 2.5);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(bar, 2.5, 2.5);
    return image;
}

} // namespace

QImage CHESS_GUI_LEVEL_ART::draw(int level, double scale) {
    const std::array<std::function<void(QPainter&)>, 20> emblems{
        sprout,
        learner_plate,
        terminal,
        paper_crown,
        envelopes,
        troll_bubble,
        mortarboard,
        ringed_planet,
        foam_sword,
        glasses,
        mainframe,
        capsule,
        high_heel,
        minivan,
        [](QPainter& p) { head(p, QColor(246, 214, 110)); },
        [](QPainter& p) { head(p, QColor(110, 70, 40)); },
        [](QPainter& p) { head(p, QColor(214, 80, 40)); },
        padlock,
        brain,
        light_bulb,
    };
    return draw_level(level, emblems[level - 1], scale);
}
