// One video clip the character can play: an inclusive frame range of the persona video, and
// whether it is meant for a mature rating only. The loader guarantees start_frame >= 0 and
// end_frame > start_frame.
#pragma once

#include <cstdint>

class VELMORA_CLIP {
  public:
    bool mature = false;
    int32_t start_frame = 0;
    int32_t end_frame = 0;

    VELMORA_CLIP() = default;
    VELMORA_CLIP(bool mature, int32_t start_frame, int32_t end_frame)
        : mature(mature), start_frame(start_frame), end_frame(end_frame) {}

    bool operator==(const VELMORA_CLIP& other) const = default;
};
