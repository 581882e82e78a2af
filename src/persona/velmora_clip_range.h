// The frame range of a V-record: two parts, each a frame number of the persona video or a time
// code "HH:MM:SS.FF" written against a 29.97 frames-per-second clock and converted to the video's
// 5 frames per second. A range that parses has a start of at least 0 and an end after its start.
#pragma once

#include <cstdint>
#include <string>

class VELMORA_CLIP_RANGE {
  public:
    // Parses the value of a V-record (the text after "V ").
    explicit VELMORA_CLIP_RANGE(const std::string& value);

    bool failed() const { return failed_; }
    // The loader's message, without file name and line.
    const std::string& error_message() const { return error_message_; }
    int32_t start_frame() const { return start_frame_; }
    int32_t end_frame() const { return end_frame_; }

  private:
    // Sets frame from one part of the range, or fails with the start or end message.
    bool parse_part(const std::string& part, bool is_start, int32_t& frame);
    bool parse_time_code(const std::string& code, bool is_start, int32_t& frame);
    void fail(const std::string& message);

    bool failed_ = false;
    std::string error_message_;
    int32_t start_frame_ = 0;
    int32_t end_frame_ = 0;
};
