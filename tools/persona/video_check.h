// The --video check of velmora-persona: every clip range of a loaded persona file must lie within
// the frames of the video the game will play it from (the game's own start-up check). The frames
// are counted from the video stream's packets with libavformat (nothing is decoded), so the
// persona core stays free of FFmpeg and the check stays fast.
#pragma once

#include "persona/velmora_db.h"

#include <cstdint>
#include <string>

class VELMORA_VIDEO_CHECK {
  public:
    // db is the data base loaded from persona_file without fault.
    VELMORA_VIDEO_CHECK(const VELMORA_DB& db, const std::string& persona_file,
                        const std::string& video_file);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }
    int64_t frame_count() const { return frame_count_; }

    // The number of frames of the file's video stream; -1 when it cannot be read, with the
    // reason in message.
    static int64_t count_frames(const std::string& video_file, std::string& message);

  private:
    int64_t frame_count_ = 0;
    bool failed_ = false;
    std::string error_message_;
};
