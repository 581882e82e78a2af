// Whether a video can play every clip of a persona: each clip range of every group must end on
// a frame the video has. A video that opens but is cut short or is another file fails here, and
// the message names the first clip (in file order) that lies past the video's end. Counting the
// frames is the caller's part (it needs a video library); this check is the same for the game's
// start and for velmora-persona check --video.
#pragma once

#include "persona/velmora_db.h"

#include <cstdint>
#include <string>

class VELMORA_VIDEO_FIT {
  public:
    // db is a data base loaded from persona_file without fault; frame_count the number of
    // frames of video_file.
    VELMORA_VIDEO_FIT(const VELMORA_DB& db, const std::string& persona_file,
                      const std::string& video_file, int64_t frame_count);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }

  private:
    bool failed_ = false;
    std::string error_message_;
};
