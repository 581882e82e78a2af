// The clips of the webcam video: each a name and a list of key poses, each pose held for a number
// of frames (at frames_per_second). The clips follow one another in table order, so a clip's frame
// range follows from the table alone; the renderer draws the frames and the persona file's clip
// names are replaced by the same ranges, which is why the two cannot drift apart.
#pragma once

#include "velmora_video_pose.h"

#include <cstdint>
#include <string>
#include <vector>

struct VELMORA_VIDEO_KEY {
    VELMORA_VIDEO_POSE pose;
    int32_t frames = 1;
};

struct VELMORA_VIDEO_CLIP {
    std::string name;
    std::vector<VELMORA_VIDEO_KEY> keys;
    // Filled from the table order: the clip's first and last frame in the video.
    int32_t first_frame = 0;
    int32_t last_frame = 0;

    int32_t frame_count() const { return last_frame - first_frame + 1; }
};

class VELMORA_VIDEO_CLIPS {
  public:
    static constexpr int32_t frames_per_second = 10;

    // Every clip with its frame range, in video order.
    static const std::vector<VELMORA_VIDEO_CLIP>& all();
    // The clip of that name, or null.
    static const VELMORA_VIDEO_CLIP* find(const std::string& name);
    // The pose of a frame within a clip and its tick (the frame's index within the clip): the
    // key's pose, eased in from the key before, with breathing and blinks.
    static VELMORA_VIDEO_POSE pose_at(const VELMORA_VIDEO_CLIP& clip, int32_t tick);

  private:
    static std::vector<VELMORA_VIDEO_CLIP> table();
    static void ease_from(const VELMORA_VIDEO_POSE& from, VELMORA_VIDEO_POSE& to, int32_t within,
                          int32_t frames);
    static void add_life(VELMORA_VIDEO_POSE& pose, int32_t tick);
};
