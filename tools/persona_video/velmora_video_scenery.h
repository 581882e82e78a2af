// Everything on the webcam that is not the character: the room behind her (window, shelf with
// her trophy, a knight print), the chair, the desk with the edge of the chessboard and her mug,
// and the camera effects drawn over the finished picture. All in design units (320 x 240).
#pragma once

#include "velmora_video_pose.h"

#include <QImage>
#include <QPainter>
#include <QPointF>

class VELMORA_VIDEO_SCENERY {
  public:
    static constexpr double desk_top = 192;

    static void draw_room(QPainter& p);
    static void draw_chair(QPainter& p);
    // The desk and the board; the mug stands on it unless she holds it. Its steam moves by tick.
    static void draw_desk(QPainter& p, bool mug_on_desk, int tick);
    // A mug with its foot at base, for the desk and for her hand.
    static void draw_mug(QPainter& p, QPointF base, int tick, bool steaming);
    // Effects drawn over the figure in design units; head is the centre of her head.
    static void draw_overlay(QPainter& p, const VELMORA_VIDEO_POSE& pose, QPointF head, int tick);
    // Effects applied to the finished pixels: snow and darkness. Deterministic for a tick.
    static void apply_camera(QImage& image, const VELMORA_VIDEO_POSE& pose, int tick);

  private:
    static void draw_window(QPainter& p);
    static void draw_shelf(QPainter& p);
    static void draw_print(QPainter& p);
    static void draw_board(QPainter& p);
    static void draw_sparkle(QPainter& p, QPointF centre, double size);
    static void draw_thought(QPainter& p, QPointF head, int tick);
    static void draw_spin(QPainter& p, int tick);
    static void draw_sweat(QPainter& p, QPointF head);
    static void draw_exclaim(QPainter& p, QPointF head, int tick);
};
