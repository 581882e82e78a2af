// The webcam's background: a sage bezel around a dark screen with an idle camera sign.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The webcam's idle sign: a round desk camera on a small stand, in the screen's muted tones.
void draw_idle_camera(QPainter& p, QPointF centre) {
    const QColor line(104, 128, 124);
    const QColor body(44, 56, 58);
    p.setPen(QPen(line, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath stand;
    stand.moveTo(centre + QPointF(0, 18));
    stand.lineTo(centre + QPointF(0, 25));
    stand.moveTo(centre + QPointF(-11, 27));
    stand.quadTo(centre + QPointF(0, 23), centre + QPointF(11, 27));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stand);
    p.setBrush(body);
    p.drawEllipse(centre, 18, 18);
    QRadialGradient lens(centre + QPointF(-2.5, -2.5), 9);
    lens.setColorAt(0, QColor(88, 112, 118));
    lens.setColorAt(1, QColor(24, 30, 34));
    p.setBrush(lens);
    p.setPen(QPen(line, 1.5));
    p.drawEllipse(centre, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 196, 190, 150));
    p.drawEllipse(centre + QPointF(-3.5, -3.5), 2.2, 2.2);
    p.setBrush(QColor(150, 70, 64));
    p.drawEllipse(centre + QPointF(0, -13.5), 1.6, 1.6);
}

// Background picture 185 of the webcam control, 176 x 145: a sage bezel in the window's colour
// family with room for the caption above, a dark screen well for the 160 x 120 video at (8, 16)
// and a small power light below. The control draws its raised edge over the outer border.
QImage draw_video_background() {
    QImage image(176, 145, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient bezel(0, 0, 0, 145);
    bezel.setColorAt(0, QColor(190, 212, 203));
    bezel.setColorAt(0.12, QColor(172, 199, 189));
    bezel.setColorAt(1, QColor(134, 166, 154));
    p.fillRect(image.rect(), bezel);

    // The screen well: a dark rim with a light lower lip, so the screen sits into the bezel.
    p.setPen(QPen(QColor(236, 244, 240, 170), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 13.5, 165, 125), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(48, 66, 60));
    p.drawRoundedRect(QRectF(5.5, 13, 164.5, 124.5), 3, 3);

    QRadialGradient screen(QPointF(88, 70), 100);
    screen.setColorAt(0, QColor(56, 72, 74));
    screen.setColorAt(1, QColor(22, 28, 32));
    p.fillRect(QRect(8, 16, 160, 120), screen);
    draw_idle_camera(p, QPointF(88, 70));

    // A faint reflection across the upper left of the glass.
    QPainterPath glare;
    glare.moveTo(8, 16);
    glare.lineTo(92, 16);
    glare.lineTo(8, 82);
    glare.closeSubpath();
    p.fillPath(glare, QColor(255, 255, 255, 10));

    // Power light, off, and a speaker grille in the bottom strip.
    QRadialGradient light(QPointF(158.5, 140), 2.5);
    light.setColorAt(0, QColor(120, 176, 132));
    light.setColorAt(1, QColor(56, 96, 70));
    p.setBrush(light);
    p.drawEllipse(QPointF(159, 140.5), 2, 2);
    p.setBrush(QColor(104, 134, 124));
    for (int slot = 0; slot < 5; ++slot) {
        p.drawRoundedRect(QRectF(75 + slot * 6, 139.5, 3.5, 1.6), 0.8, 0.8);
    }
    return image;
}

} // namespace

std::vector<ART_PICTURE> art::draw_video_set() {
    return {{185, draw_video_background()}};
}
