// Reads the frames of one video file by number. Frame k is the k-th frame of the video stream
// counting from 0; its number is taken from its timestamp, so that after a seek to any frame the
// decoder still knows exactly which frame it produced. A seek lands on the key frame at or before
// the wanted frame, and the caller decodes forward from there. FFmpeg only, no Qt, so command-line
// tools can count and check frames with the same code the webcam plays them with. One thread at a
// time may use an object; it owns every FFmpeg context it opens and frees them on close.
#pragma once

#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

class CHESS_GUI_VIDEO_DECODER {
  public:
    enum class open_result { opened, unable_to_open, not_frame_based };

    CHESS_GUI_VIDEO_DECODER() = default;
    CHESS_GUI_VIDEO_DECODER(const CHESS_GUI_VIDEO_DECODER&) = delete;
    CHESS_GUI_VIDEO_DECODER& operator=(const CHESS_GUI_VIDEO_DECODER&) = delete;
    ~CHESS_GUI_VIDEO_DECODER() { close(); }

    // Closes first. A file that opens but has no decodable video stream with a usable frame rate
    // stays open (is_open) but is not frame based.
    open_result open(const std::string& file_name);
    void close();
    bool is_open() const { return format_ != nullptr; }
    bool is_frame_based() const { return codec_ != nullptr; }

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // The length of one frame in microseconds.
    int64_t frame_duration_us() const { return frame_duration_us_; }
    // The number of frames the video stream holds, counted when the file was opened.
    int64_t frame_count() const { return frame_count_; }

    // Positions the stream at the key frame at or before `frame`; false when that fails.
    bool seek(int64_t frame);
    // Decodes the next frame; false at the end of the stream or on an error.
    bool next_frame();
    // The number of the frame next_frame produced last.
    int64_t frame_number() const { return frame_number_; }
    // Converts the last decoded frame to 32-bit 0xffRRGGBB pixels of width() x height().
    bool convert_to_rgb32(uint8_t* pixels, int32_t bytes_per_line);

  private:
    bool open_video_stream();
    int64_t count_frames();
    bool send_next_packet();
    // Conversions between frame numbers and timestamps of the video stream.
    int64_t stamp_of(int64_t frame) const;
    int64_t frame_of(int64_t stamp) const;

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int32_t stream_index_ = -1;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t rate_num_ = 0; // frames per second as a fraction
    int32_t rate_den_ = 1;
    int64_t origin_ = 0; // timestamp of frame 0
    int64_t frame_duration_us_ = 0;
    int64_t frame_count_ = 0;
    int64_t frame_number_ = -1;
    bool draining_ = false;
};
