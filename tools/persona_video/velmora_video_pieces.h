// Chess piece silhouettes for the webcam picture: the pieces she holds up after a capture, the
// pieces on the board's edge and the knight in the picture frame. Drawn from paths, not from a
// font, so the video does not change with the fonts installed.
#pragma once

#include "velmora_video_pose.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

class VELMORA_VIDEO_PIECES {
  public:
    // Draws the piece standing on base (the middle of its foot), height units tall. Props that
    // are not pieces draw nothing.
    static void draw(QPainter& p, VELMORA_VIDEO_PROP piece, QPointF base, double height,
                     const QColor& fill, const QColor& line);

  private:
    static QPainterPath outline(VELMORA_VIDEO_PROP piece);
};
