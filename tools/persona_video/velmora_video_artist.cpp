#include "velmora_video_artist.h"

#include "velmora_video_clips.h"
#include "velmora_video_figure.h"
#include "velmora_video_scenery.h"

#include <QPainter>

QImage VELMORA_VIDEO_ARTIST::draw(const VELMORA_VIDEO_POSE& pose, int tick) {
    // The drawn cycles (a talking mouth, a drumming finger, steam, sparkles, snow) step five
    // times a second whatever the frame rate: faster, they read as jitter. The poses themselves
    // move on every frame.
    const int beat = tick * 5 / VELMORA_VIDEO_CLIPS::frames_per_second;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The art is drawn in 320 x 240 design units.
    p.scale(width / 320.0, height / 240.0);
    VELMORA_VIDEO_SCENERY::draw_room(p);
    VELMORA_VIDEO_SCENERY::draw_chair(p);
    const VELMORA_VIDEO_FIGURE figure(pose, beat);
    figure.draw_behind_desk(p);
    VELMORA_VIDEO_SCENERY::draw_desk(p, !figure.holds_mug(), beat);
    figure.draw_in_front(p);
    VELMORA_VIDEO_SCENERY::draw_overlay(p, pose, figure.head_centre(), beat);
    p.end();
    VELMORA_VIDEO_SCENERY::apply_camera(image, pose, beat);
    return image;
}
