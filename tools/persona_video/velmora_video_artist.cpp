#include "velmora_video_artist.h"

#include "velmora_video_figure.h"
#include "velmora_video_scenery.h"

#include <QPainter>

QImage VELMORA_VIDEO_ARTIST::draw(const VELMORA_VIDEO_POSE& pose, int tick) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The art is drawn in 320 x 240 design units.
    p.scale(width / 320.0, height / 240.0);
    VELMORA_VIDEO_SCENERY::draw_room(p);
    VELMORA_VIDEO_SCENERY::draw_chair(p);
    const VELMORA_VIDEO_FIGURE figure(pose, tick);
    figure.draw_behind_desk(p);
    VELMORA_VIDEO_SCENERY::draw_desk(p, !figure.holds_mug(), tick);
    figure.draw_in_front(p);
    VELMORA_VIDEO_SCENERY::draw_overlay(p, pose, figure.head_centre(), tick);
    p.end();
    VELMORA_VIDEO_SCENERY::apply_camera(image, pose, tick);
    return image;
}
