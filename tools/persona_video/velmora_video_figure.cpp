#include "velmora_video_figure.h"

#include "velmora_video_palette.h"
#include "velmora_video_pieces.h"
#include "velmora_video_scenery.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

using PAL = VELMORA_VIDEO_PALETTE;
using EYES = VELMORA_VIDEO_EYES;
using MOUTH = VELMORA_VIDEO_MOUTH;
using HAND = VELMORA_VIDEO_HAND;
using PROP = VELMORA_VIDEO_PROP;

namespace {

QPen line_pen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPointF mirrored(QPointF point, int side) {
    return {point.x() * side, point.y()};
}

// A finger: a rounded capsule from the palm's middle outwards.
QPainterPath finger_path(QPointF from, double angle, double length, double width) {
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(from + QPointF(std::cos(angle), std::sin(angle)) * length);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

} // namespace

VELMORA_VIDEO_FIGURE::VELMORA_VIDEO_FIGURE(const VELMORA_VIDEO_POSE& pose, int tick)
    : pose_(pose), tick_(tick), body_(165 + pose.body_x, 152 + pose.body_y),
      head_(body_ + QPointF(2 + pose.head_tilt * 0.4, -64)) {}

bool VELMORA_VIDEO_FIGURE::holds_mug() const {
    return pose_.present && (pose_.left_hand == HAND::mug || pose_.right_hand == HAND::mug);
}

void VELMORA_VIDEO_FIGURE::draw_behind_desk(QPainter& p) const {
    if (!pose_.present) {
        return;
    }
    draw_back_hair(p);
    draw_body(p);
}

void VELMORA_VIDEO_FIGURE::draw_in_front(QPainter& p) const {
    if (!pose_.present) {
        return;
    }
    draw_arms(p, false);
    draw_head(p);
    draw_arms(p, true);
}

// Step 1. The arms: a table of elbow and hand places per hand pose.

VELMORA_VIDEO_FIGURE::ARM VELMORA_VIDEO_FIGURE::arm(VELMORA_VIDEO_HAND hand, int side) const {
    const bool odd = tick_ % 2 == 1;
    // Hands that move alternate between two places beat by beat; the two sides move in
    // opposite phase, which reads as livelier at five beats a second.
    const bool beat = side > 0 ? odd : !odd;
    switch (hand) {
    case HAND::desk:
        return {{74, 44}, {44, 58}, HAND_SHAPE::rest, false};
    case HAND::tap:
        return {{74, 44}, {46, beat ? 50.0 : 58.0}, HAND_SHAPE::finger, false};
    case HAND::chin:
        return {{36, 46}, {6, -12}, HAND_SHAPE::fist, true};
    case HAND::cheek:
        return {{60, 44}, {44, -30}, HAND_SHAPE::open, true};
    case HAND::mouth:
        return {{64, 20}, {4, -24}, HAND_SHAPE::open, true};
    case HAND::temple:
        return {{72, 30}, {46, -74}, HAND_SHAPE::finger, true};
    case HAND::hair:
        return {{78, 12}, {44, -82}, HAND_SHAPE::open, true};
    case HAND::wave:
        return {{84, 10}, {beat ? 104.0 : 94.0, -52}, HAND_SHAPE::open, true};
    case HAND::raised:
        return {{86, -6}, {beat ? 88.0 : 84.0, -80}, HAND_SHAPE::fist, true};
    case HAND::finger:
        return {{72, 30}, {beat ? 62.0 : 54.0, -36}, HAND_SHAPE::finger, true};
    case HAND::thumb:
        return {{74, 34}, {60, -18}, HAND_SHAPE::thumb, true};
    case HAND::hold:
        return {{82, 20}, {72, -40}, HAND_SHAPE::fist, true};
    case HAND::clap:
        return {{58, 42}, {beat ? 9.0 : 14.0, 2}, HAND_SHAPE::open, false};
    case HAND::shrug:
        return {{80, 36}, {96, 2}, HAND_SHAPE::open, false};
    case HAND::mug:
        return {{42, 46}, {14, -4}, HAND_SHAPE::fist, true};
    }
    return {{74, 44}, {44, 58}, HAND_SHAPE::rest, false};
}

void VELMORA_VIDEO_FIGURE::draw_arms(QPainter& p, bool over_face) const {
    const ARM left = arm(pose_.left_hand, -1);
    const ARM right = arm(pose_.right_hand, 1);
    if (left.over_face == over_face) {
        draw_arm(p, left, pose_.left_hand, -1);
    }
    if (right.over_face == over_face) {
        draw_arm(p, right, pose_.right_hand, 1);
    }
}

void VELMORA_VIDEO_FIGURE::draw_arm(QPainter& p, const ARM& a, VELMORA_VIDEO_HAND hand,
                                    int side) const {
    const QPointF shoulder = body_ + QPointF(58 * side, 10);
    const QPointF elbow = body_ + mirrored(a.elbow, side);
    const QPointF palm = body_ + mirrored(a.hand, side);
    // The sleeve stops short of the hand so that the cuff and the wrist show.
    const QPointF back = elbow - palm;
    const QPointF unit = back / std::hypot(back.x(), back.y());
    const QPointF wrist = palm + unit * 9.0;
    QPainterPath sleeve;
    sleeve.moveTo(shoulder);
    sleeve.lineTo(elbow);
    sleeve.lineTo(wrist);
    p.setBrush(Qt::NoBrush);
    p.setPen(line_pen(PAL::jacket_line, 25));
    p.drawPath(sleeve);
    p.setPen(line_pen(side < 0 ? PAL::jacket : PAL::jacket_shadow, 22));
    p.drawPath(sleeve);
    p.setPen(line_pen(PAL::blouse, 7));
    p.drawLine(wrist, wrist + unit * 3.0);
    if (hand == HAND::hold || hand == HAND::mug) {
        draw_held(p, a, hand, side);
    } else {
        draw_hand(p, a, side);
    }
}

// The hand is one outline: palm and fingers are united before they are filled, so fingers read
// as fingers and not as a knot of overlapping rims.
void VELMORA_VIDEO_FIGURE::draw_hand(QPainter& p, const ARM& a, int side) const {
    const QPointF hand = body_ + mirrored(a.hand, side);
    const QPointF elbow = body_ + mirrored(a.elbow, side);
    const double along = std::atan2(hand.y() - elbow.y(), hand.x() - elbow.x());
    QPainterPath shape;
    QPainterPath creases;
    switch (a.shape) {
    case HAND_SHAPE::rest:
        // A relaxed hand lying flat, its thumb on the side towards her.
        shape.addEllipse(QPointF(0, 0), 12, 8.5);
        shape = shape.united(finger_path(QPointF(-4, -3 * side), -0.5 * side, 11, 5));
        shape = QTransform().rotateRadians(along).map(shape);
        creases.moveTo(QPointF(8, -4) * QTransform().rotateRadians(along));
        creases.lineTo(QPointF(8, 4) * QTransform().rotateRadians(along));
        break;
    case HAND_SHAPE::fist:
        shape.addEllipse(QPointF(0, 0), 10, 9);
        creases.moveTo(-4 * side, -5);
        creases.lineTo(-4 * side, 3);
        break;
    case HAND_SHAPE::open: {
        // Fingers fan out along the forearm's direction; the thumb sits on the body's side.
        shape.addEllipse(QPointF(0, 0), 9, 9);
        for (int finger = 0; finger < 4; ++finger) {
            const double angle = along + (finger - 1.5) * 0.36;
            const double length = finger == 0 || finger == 3 ? 14 : 17;
            shape = shape.united(finger_path(QPointF(0, 0), angle, length, 5.2));
        }
        shape = shape.united(finger_path(QPointF(0, 0), along - side * 1.4, 13, 5.6));
        break;
    }
    case HAND_SHAPE::finger:
        shape.addEllipse(QPointF(0, 0), 9.5, 8.5);
        shape = shape.united(finger_path(QPointF(-2 * side, -2), -M_PI / 2 - side * 0.1, 20, 5));
        break;
    case HAND_SHAPE::thumb:
        shape.addRoundedRect(QRectF(-9, -7, 18, 15), 5, 5);
        shape = shape.united(finger_path(QPointF(-1 * side, -3), -M_PI / 2, 16, 6));
        creases.moveTo(-6, -1);
        creases.lineTo(6, -1);
        creases.moveTo(-6, 3);
        creases.lineTo(6, 3);
        break;
    }
    p.save();
    p.translate(hand);
    p.setPen(line_pen(PAL::skin_line, 1.4));
    p.setBrush(PAL::skin);
    p.drawPath(shape);
    p.setPen(line_pen(PAL::skin_shadow, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(creases);
    p.restore();
}

// The prop in her hand: a captured piece held up, or her mug under the chin.
void VELMORA_VIDEO_FIGURE::draw_held(QPainter& p, const ARM& a, VELMORA_VIDEO_HAND hand,
                                     int side) const {
    const QPointF at = body_ + mirrored(a.hand, side);
    if (hand == HAND::mug) {
        VELMORA_VIDEO_SCENERY::draw_mug(p, at + QPointF(-6 * side, 10), tick_, tick_ % 3 != 2);
        draw_hand(p, a, side);
        return;
    }
    VELMORA_VIDEO_PIECES::draw(p, pose_.prop, at + QPointF(0, -6), 44, PAL::piece_white,
                               PAL::piece_line);
    draw_hand(p, a, side);
}

// Step 2. Body and back hair.

void VELMORA_VIDEO_FIGURE::draw_back_hair(QPainter& p) const {
    p.save();
    p.translate(head_);
    p.rotate(pose_.head_tilt);
    QPainterPath hair;
    hair.moveTo(-50, 0);
    hair.cubicTo(-58, -70, 58, -70, 50, 0);
    hair.cubicTo(56, 30, 66, 60, 58, 92);
    hair.cubicTo(50, 100, 40, 94, 34, 98);
    hair.lineTo(-34, 98);
    hair.cubicTo(-40, 94, -50, 100, -58, 92);
    hair.cubicTo(-66, 60, -56, 30, -50, 0);
    p.setPen(line_pen(PAL::hair_dark, 1.6));
    p.setBrush(PAL::hair);
    p.drawPath(hair);
    p.setPen(line_pen(PAL::hair_dark, 1.5));
    p.drawLine(QPointF(-50, 40), QPointF(-54, 84));
    p.drawLine(QPointF(50, 40), QPointF(52, 86));
    p.restore();
}

void VELMORA_VIDEO_FIGURE::draw_body(QPainter& p) const {
    p.save();
    p.translate(body_);
    // Neck, with the shadow the chin casts.
    p.setPen(Qt::NoPen);
    p.setBrush(PAL::skin);
    p.drawRect(QRectF(-11, -26, 22, 28));
    p.setBrush(PAL::skin_shadow);
    p.drawRect(QRectF(-11, -26, 22, 9));
    // Trousers, seen only when she stands and her jacket's hem clears the desk.
    const double desk = VELMORA_VIDEO_SCENERY::desk_top - body_.y() + 4;
    if (desk > 84) {
        p.setBrush(PAL::trousers);
        p.drawRect(QRectF(-54, 84, 108, desk - 84));
        p.setPen(line_pen(PAL::trousers.darker(130), 1.4));
        p.drawLine(QPointF(0, 96), QPointF(0, desk));
        p.setPen(Qt::NoPen);
    }
    // Jacket: base, the shadowed right side, then the outline.
    QPainterPath jacket;
    jacket.moveTo(-26, -6);
    jacket.cubicTo(-50, -4, -66, 2, -72, 24);
    jacket.lineTo(-78, 90);
    jacket.lineTo(78, 90);
    jacket.lineTo(72, 24);
    jacket.cubicTo(66, 2, 50, -4, 26, -6);
    jacket.closeSubpath();
    p.setBrush(PAL::jacket);
    p.drawPath(jacket);
    p.save();
    p.setClipPath(jacket);
    p.setBrush(PAL::jacket_shadow);
    p.drawEllipse(QPointF(86, 60), 50, 80);
    p.restore();
    p.setPen(line_pen(PAL::jacket_line, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(jacket);
    // Blouse and collar in the V of the jacket, the skin of the neckline, a fine gold chain.
    QPolygonF blouse;
    blouse << QPointF(-24, -6) << QPointF(24, -6) << QPointF(0, 44);
    p.setPen(line_pen(PAL::blouse_shadow, 1.2));
    p.setBrush(PAL::blouse);
    p.drawPolygon(blouse);
    QPolygonF neckline;
    neckline << QPointF(-11, -7) << QPointF(11, -7) << QPointF(0, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(PAL::skin);
    p.drawPolygon(neckline);
    QPainterPath lapels;
    lapels.moveTo(-26, -6);
    lapels.lineTo(-6, 46);
    lapels.lineTo(-16, 30);
    lapels.lineTo(-32, 20);
    lapels.closeSubpath();
    lapels.moveTo(26, -6);
    lapels.lineTo(6, 46);
    lapels.lineTo(16, 30);
    lapels.lineTo(32, 20);
    lapels.closeSubpath();
    p.setPen(line_pen(PAL::jacket_line, 1.3));
    p.setBrush(PAL::jacket_shadow);
    p.drawPath(lapels);
    p.setPen(line_pen(PAL::gold, 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath chain;
    chain.moveTo(-10, -6);
    chain.quadTo(0, 10, 10, -6);
    p.drawPath(chain);
    // Her brooch: a small gold crown on the lapel.
    p.setPen(line_pen(PAL::gold_dark, 1));
    p.setBrush(PAL::gold);
    QPolygonF crown;
    crown << QPointF(-40, 30) << QPointF(-41, 22) << QPointF(-37.5, 25.5) << QPointF(-35, 20.5)
          << QPointF(-32.5, 25.5) << QPointF(-29, 22) << QPointF(-30, 30);
    p.drawPolygon(crown);
    p.restore();
}

// Step 3. The head, in its own frame: face, features, hair, head props.

void VELMORA_VIDEO_FIGURE::draw_head(QPainter& p) const {
    p.save();
    p.translate(head_);
    p.rotate(pose_.head_tilt);
    draw_face_shape(p);
    const double fx = features_x();
    const double eye_y = 3 + pose_.head_nod * 5;
    const double turn = pose_.head_turn;
    const QPointF left_eye(fx - 17, eye_y), right_eye(fx + 17, eye_y);
    // The eye on the side she turns towards is seen more narrowly.
    draw_eye(p, left_eye, 1.0 - 0.22 * turn, true);
    draw_eye(p, right_eye, 1.0 + 0.22 * turn, false);
    draw_brow(p, left_eye, true);
    draw_brow(p, right_eye, false);
    // Nose: a small line on the shadow side.
    const double nx = fx - turn * 6;
    QPainterPath nose;
    nose.moveTo(nx + 1, 10 + pose_.head_nod * 5);
    nose.quadTo(nx - 3, 17 + pose_.head_nod * 5, nx + 2, 18 + pose_.head_nod * 5);
    p.setPen(line_pen(PAL::skin_line, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
    // Cheeks: a touch of colour always, more when she blushes.
    QColor blush = PAL::blush;
    blush.setAlpha(static_cast<int>(55 + 120 * pose_.blush));
    p.setPen(Qt::NoPen);
    p.setBrush(blush);
    p.drawEllipse(QPointF(fx - 26, 19 + pose_.head_nod * 4), 7, 4);
    p.drawEllipse(QPointF(fx + 26, 19 + pose_.head_nod * 4), 7, 4);
    draw_mouth(p);
    draw_front_hair(p);
    draw_head_props(p);
    p.restore();
}

void VELMORA_VIDEO_FIGURE::draw_face_shape(QPainter& p) const {
    const double turn = pose_.head_turn;
    const double chin = -turn * 6;
    const double left = -40 + turn * 3, right = 40 + turn * 3;
    QPainterPath face;
    face.moveTo(0, -47);
    face.cubicTo(22, -47, right, -30, right, -4);
    face.cubicTo(right, 22, 22 + chin, 42, chin, 48);
    face.cubicTo(-22 + chin, 42, left, 22, left, -4);
    face.cubicTo(left, -30, -22, -47, 0, -47);
    // Earrings hang below the hair on both sides.
    p.setPen(line_pen(PAL::gold_dark, 1));
    p.setBrush(PAL::gold);
    p.drawEllipse(QPointF(left - 3, 26), 3, 4);
    p.drawEllipse(QPointF(right + 3, 26), 3, 4);
    p.setPen(line_pen(PAL::skin_line, 1.6));
    p.setBrush(PAL::skin);
    p.drawPath(face);
    // Light comes from the window on the left: the right of the face lies in soft shadow, and
    // the fringe casts a band on the forehead.
    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(PAL::skin_shadow);
    p.drawEllipse(QPointF(right + 14, 10), 18, 50);
    p.drawEllipse(QPointF(0, -36), 46, 14);
    p.restore();
}

VELMORA_VIDEO_EYES VELMORA_VIDEO_FIGURE::eye_state(bool is_left) const {
    if (pose_.eyes == EYES::wink) {
        return is_left ? EYES::open : EYES::happy;
    }
    return pose_.eyes;
}

void VELMORA_VIDEO_FIGURE::draw_eye(QPainter& p, QPointF centre, double width_scale,
                                    bool is_left) const {
    const EYES state = eye_state(is_left);
    const double w = 10.5 * width_scale;
    const double outer = is_left ? -1 : 1; // the outer corner's direction
    p.save();
    p.translate(centre);
    if (state == EYES::closed || state == EYES::happy) {
        QPainterPath lid;
        const double bend = state == EYES::closed ? 5 : -8;
        lid.moveTo(-w, state == EYES::closed ? 0 : 3);
        lid.quadTo(0, bend, w, state == EYES::closed ? 0 : 3);
        p.setPen(line_pen(PAL::lash, 2.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lid);
        p.drawLine(QPointF(outer * w, 0), QPointF(outer * (w + 4), -2));
        p.restore();
        return;
    }
    const double h = state == EYES::wide ? 13.5 : state == EYES::squint ? 6.0 : 11.0;
    QPainterPath white;
    white.moveTo(-w, 1);
    white.cubicTo(-w * 0.7, -h * 1.15, w * 0.7, -h * 1.15, w, 1);
    white.cubicTo(w * 0.6, h * 0.95, -w * 0.6, h * 0.95, -w, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(PAL::eye_white);
    p.drawPath(white);
    p.save();
    p.setClipPath(white);
    const QPointF look(pose_.look_x * 4.0 * width_scale, pose_.look_y * 3.5 + 1);
    const double iris = state == EYES::wide ? 7.0 : 8.0;
    p.setBrush(PAL::iris_dark);
    p.drawEllipse(look, iris, iris);
    p.setBrush(PAL::iris);
    p.drawEllipse(look + QPointF(0, 1.2), iris - 1.8, iris - 2.2);
    p.setBrush(PAL::pupil);
    p.drawEllipse(look, 3.8, 3.8);
    p.setBrush(PAL::eye_white);
    p.drawEllipse(look + QPointF(-2.6, -3), 2.3, 2.3);
    p.drawEllipse(look + QPointF(2.6, 2.6), 1.1, 1.1);
    p.restore();
    // The upper lid and lashes carry the eye at this size.
    QPainterPath lid;
    lid.moveTo(-w - 1, 2);
    lid.cubicTo(-w * 0.7, -h * 1.2, w * 0.7, -h * 1.2, w + 1, 2);
    p.setPen(line_pen(PAL::lash, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lid);
    p.drawLine(QPointF(outer * (w + 1), 1), QPointF(outer * (w + 5), -3));
    p.setPen(line_pen(PAL::skin_line, 1.0));
    QPainterPath lower;
    lower.moveTo(-w * 0.6, h * 0.75);
    lower.quadTo(0, h * 1.0, w * 0.6, h * 0.75);
    p.drawPath(lower);
    p.restore();
}

void VELMORA_VIDEO_FIGURE::draw_brow(QPainter& p, QPointF eye, bool is_left) const {
    const double inner = is_left ? 1 : -1; // towards the nose
    const double y = eye.y() - 17 - pose_.brow_raise * 5;
    const QPointF inner_end(eye.x() + inner * 9, y - pose_.brow_tilt * 5);
    const QPointF outer_end(eye.x() - inner * 10, y + 2 + pose_.brow_tilt * 2);
    const QPointF arch((inner_end.x() + outer_end.x()) / 2, y - 4);
    QPainterPath brow;
    brow.moveTo(inner_end);
    brow.quadTo(arch, outer_end);
    p.setPen(line_pen(PAL::hair_dark, 3.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brow);
}

VELMORA_VIDEO_MOUTH VELMORA_VIDEO_FIGURE::mouth_shape() const {
    if (!pose_.talking) {
        return pose_.mouth;
    }
    static const MOUTH cycle[] = {MOUTH::open, MOUTH::smile, MOUTH::wide,
                                  MOUTH::o,    MOUTH::grin,  MOUTH::closed};
    return cycle[tick_ % 6];
}

void VELMORA_VIDEO_FIGURE::draw_mouth(QPainter& p) const {
    p.save();
    p.translate(features_x() * 1.15, 29 + pose_.head_nod * 4);
    const QPen lip = line_pen(PAL::lips, 2.4);
    auto open_shape = [&](const QPainterPath& shape, bool teeth) {
        p.setPen(line_pen(PAL::lips, 1.6));
        p.setBrush(PAL::mouth_inside);
        p.drawPath(shape);
        p.save();
        p.setClipPath(shape);
        p.setPen(Qt::NoPen);
        if (teeth) {
            p.setBrush(PAL::teeth);
            p.drawRect(QRectF(-12, -6, 24, 5.5));
        }
        p.setBrush(PAL::tongue);
        p.drawEllipse(QPointF(0, 10), 7, 5);
        p.restore();
    };
    QPainterPath path;
    switch (mouth_shape()) {
    case MOUTH::closed:
        path.moveTo(-6, 0);
        path.quadTo(0, 2.5, 6, -0.5);
        p.setPen(lip);
        p.drawPath(path);
        break;
    case MOUTH::smile:
        path.moveTo(-9, -2);
        path.quadTo(0, 7, 9, -2);
        p.setPen(lip);
        p.drawPath(path);
        break;
    case MOUTH::smirk:
        path.moveTo(-7, 1);
        path.quadTo(2, 4, 9, -4);
        p.setPen(lip);
        p.drawPath(path);
        break;
    case MOUTH::frown:
        path.moveTo(-7, 3);
        path.quadTo(0, -4, 7, 3);
        p.setPen(lip);
        p.drawPath(path);
        break;
    case MOUTH::flat:
        path.moveTo(-6, 1);
        path.lineTo(6, 1);
        p.setPen(lip);
        p.drawPath(path);
        break;
    case MOUTH::bite:
        path.moveTo(-7, 1);
        path.lineTo(-3.5, -1);
        path.lineTo(0, 1);
        path.lineTo(3.5, -1);
        path.lineTo(7, 1);
        p.setPen(lip);
        p.drawPath(path);
        break;
    case MOUTH::grin:
        path.moveTo(-11, -3);
        path.quadTo(0, -1, 11, -3);
        path.quadTo(0, 16, -11, -3);
        open_shape(path, true);
        break;
    case MOUTH::open:
        path.addEllipse(QPointF(0, 3), 6, 5.5);
        open_shape(path, false);
        break;
    case MOUTH::wide:
        path.addEllipse(QPointF(0, 4), 8.5, 8);
        open_shape(path, true);
        break;
    case MOUTH::o:
        path.addEllipse(QPointF(0, 3), 4, 5);
        open_shape(path, false);
        break;
    }
    p.restore();
}

void VELMORA_VIDEO_FIGURE::draw_front_hair(QPainter& p) const {
    const double turn = pose_.head_turn;
    const double left = -40 + turn * 3, right = 40 + turn * 3;
    // Locks framing the face on both sides.
    QPainterPath locks;
    locks.moveTo(left - 6, -20);
    locks.cubicTo(left - 10, 10, left - 10, 40, left - 4, 58);
    locks.cubicTo(left + 2, 50, left + 4, 30, left + 6, -10);
    locks.closeSubpath();
    locks.moveTo(right + 6, -20);
    locks.cubicTo(right + 10, 10, right + 10, 40, right + 4, 58);
    locks.cubicTo(right - 2, 50, right - 4, 30, right - 6, -10);
    locks.closeSubpath();
    // The crown and a fringe swept from a parting on her right to the left temple.
    const double part = features_x() + 14;
    QPainterPath cap;
    cap.moveTo(left - 8, 6);
    cap.cubicTo(left - 14, -44, -30, -62, 0, -62);
    cap.cubicTo(30, -62, right + 14, -44, right + 8, 6);
    cap.cubicTo(right + 2, -10, right - 4, -22, part + 6, -28);
    cap.cubicTo(part - 2, -18, part - 28, -20, left + 16, -6);
    cap.cubicTo(left + 8, 0, left + 4, 8, left - 8, 6);
    cap.closeSubpath();
    const QPainterPath hair = locks.united(cap);
    p.setPen(line_pen(PAL::hair_dark, 1.6));
    p.setBrush(PAL::hair);
    p.drawPath(hair);
    // A sheen across the crown and two strand lines in the fringe.
    p.setBrush(Qt::NoBrush);
    p.setPen(line_pen(PAL::hair_light, 4));
    QPainterPath sheen;
    sheen.moveTo(-30, -46);
    sheen.quadTo(-4, -58, 24, -48);
    p.drawPath(sheen);
    p.setPen(line_pen(PAL::hair_dark, 1.3));
    QPainterPath strands;
    strands.moveTo(part + 2, -40);
    strands.quadTo(part - 16, -30, left + 10, -10);
    strands.moveTo(part + 10, -44);
    strands.quadTo(right, -34, right + 4, -8);
    p.drawPath(strands);
    // Her hair clip above the parting.
    p.setPen(line_pen(PAL::gold_dark, 1));
    p.setBrush(PAL::gold);
    p.save();
    p.translate(part + 14, -36);
    p.rotate(-30);
    p.drawRoundedRect(QRectF(-7, -2, 14, 4), 2, 2);
    p.restore();
}

void VELMORA_VIDEO_FIGURE::draw_head_props(QPainter& p) const {
    const double fx = features_x();
    const double eye_y = 3 + pose_.head_nod * 5;
    if (pose_.prop == PROP::sunglasses) {
        p.setPen(line_pen(QColor(20, 20, 24), 2));
        p.setBrush(QColor(28, 28, 36));
        p.drawRoundedRect(QRectF(fx - 30, eye_y - 9, 24, 17), 6, 6);
        p.drawRoundedRect(QRectF(fx + 6, eye_y - 9, 24, 17), 6, 6);
        p.drawLine(QPointF(fx - 6, eye_y - 4), QPointF(fx + 6, eye_y - 4));
        p.setPen(line_pen(QColor(255, 255, 255, 170), 2.4));
        p.drawLine(QPointF(fx - 25, eye_y - 3), QPointF(fx - 19, eye_y - 8));
        p.drawLine(QPointF(fx + 11, eye_y - 3), QPointF(fx + 17, eye_y - 8));
    } else if (pose_.prop == PROP::crown) {
        QPolygonF crown;
        crown << QPointF(-20, -52) << QPointF(-24, -76) << QPointF(-11, -62) << QPointF(0, -82)
              << QPointF(11, -62) << QPointF(24, -76) << QPointF(20, -52);
        p.setPen(line_pen(PAL::gold_dark, 1.6));
        p.setBrush(PAL::gold);
        p.drawPolygon(crown);
        p.setPen(Qt::NoPen);
        p.setBrush(PAL::dark_square);
        p.drawEllipse(QPointF(0, -58), 3.5, 3.5);
    }
}
