// Velmora herself, drawn from one key pose and the frame's tick within its clip: back hair,
// body and jacket, arms and hands, head, face (eyes, brows, mouth, nose, blush), front hair and
// the props she holds or wears. The picture is layered around the desk: what sits behind it is
// drawn first, then the desk, then arms, head and raised hands. Coordinates are design units of a
// 320 x 240 picture; the head is drawn in its own frame so it can tilt and turn.
#pragma once

#include "velmora_video_pose.h"

#include <QPainter>
#include <QPointF>

class VELMORA_VIDEO_FIGURE {
  public:
    VELMORA_VIDEO_FIGURE(const VELMORA_VIDEO_POSE& pose, int tick);

    // The parts behind the desk: back hair and body.
    void draw_behind_desk(QPainter& p) const;
    // The parts in front of the desk: arms, head, hands and props.
    void draw_in_front(QPainter& p) const;
    QPointF head_centre() const { return head_; }
    bool holds_mug() const;

  private:
    // Where one arm goes: elbow and hand relative to the shoulder line's middle, for the right
    // side (the left side mirrors), and the hand's shape.
    enum class HAND_SHAPE { rest, fist, open, finger, thumb };
    struct ARM {
        QPointF elbow;
        QPointF hand;
        HAND_SHAPE shape;
        bool over_face; // drawn after the head
    };

    ARM arm(VELMORA_VIDEO_HAND hand, int side) const;
    void draw_arms(QPainter& p, bool over_face) const;
    void draw_arm(QPainter& p, const ARM& a, VELMORA_VIDEO_HAND hand, int side) const;
    void draw_hand(QPainter& p, const ARM& a, int side) const;
    void draw_held(QPainter& p, const ARM& a, VELMORA_VIDEO_HAND hand, int side) const;

    void draw_back_hair(QPainter& p) const;
    void draw_body(QPainter& p) const;
    void draw_head(QPainter& p) const;
    void draw_face_shape(QPainter& p) const;
    void draw_eye(QPainter& p, QPointF centre, double width_scale, bool is_left) const;
    void draw_brow(QPainter& p, QPointF eye, bool is_left) const;
    void draw_mouth(QPainter& p) const;
    void draw_front_hair(QPainter& p) const;
    void draw_head_props(QPainter& p) const;

    VELMORA_VIDEO_MOUTH mouth_shape() const;
    VELMORA_VIDEO_EYES eye_state(bool is_left) const;
    // The features' horizontal offset from the head's middle, from the head's turn.
    double features_x() const { return -pose_.head_turn * 10.0; }

    VELMORA_VIDEO_POSE pose_;
    int tick_;
    QPointF body_; // middle of the shoulder line
    QPointF head_; // centre of the head
};
