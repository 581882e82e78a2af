// Assembles the persona data file from its source: a V or v record whose value is a clip name
// (such as "V hello_wave") becomes the clip's frame range in the rendered video ("V 87 104");
// every other line is copied as it is. An unknown clip name, or a clip the persona never plays,
// fails the assembly, so the data file and the video cannot drift apart. The output still needs
// its magic number (velmora-persona seal).
#pragma once

#include "velmora_video_clips.h"

#include <string>
#include <vector>

class VELMORA_PERSONA_ASSEMBLER {
  public:
    VELMORA_PERSONA_ASSEMBLER(const std::string& source, const std::string& output,
                              const std::vector<VELMORA_VIDEO_CLIP>& clips);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }

  private:
    // The record a source line becomes; sets failed for an unknown clip name.
    std::string assembled_line(const std::string& line, int lineno);
    const VELMORA_VIDEO_CLIP* clip_named(const std::string& name) const;
    void check_every_clip_used();
    void write(const std::string& output, const std::string& content);
    void fail(const std::string& message);

    std::string source_;
    const std::vector<VELMORA_VIDEO_CLIP>& clips_;
    std::vector<bool> used_;
    bool failed_ = false;
    std::string error_message_;
};
