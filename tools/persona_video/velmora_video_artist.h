// Draws one 480 x 360 frame of the webcam video (three times the webcam window's 160 x 120, so
// the window can shrink it smoothly at 100 % and still show drawn edges when zoomed) from a key
// pose: room, chair, the figure behind the desk, the desk and board, the figure in front of it,
// then the camera's effects. The same pose and tick always give the same pixels, so the video is
// the same on every build.
#pragma once

#include "velmora_video_pose.h"

#include <QImage>

class VELMORA_VIDEO_ARTIST {
  public:
    static constexpr int width = 480;
    static constexpr int height = 360;

    // tick is the frame's number within its clip; the drawn cycles (talking, waving) step by it,
    // five times a second.
    static QImage draw(const VELMORA_VIDEO_POSE& pose, int tick);
};
