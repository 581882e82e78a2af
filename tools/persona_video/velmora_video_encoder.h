// Writes the webcam video: H.264 (x264 at high quality, 4:2:0, no B-frames) in an AVI container,
// so any FFmpeg plays it and the full-size video stays a small download. A frame written as a key
// frame (every clip's first) becomes an IDR frame, so the game's video device starts each clip on
// its exact frame. One encoder thread and no muxer version strings: the same frames give the same
// file with the same x264. Owns its FFmpeg objects and frees them when destroyed.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

class VELMORA_VIDEO_ENCODER {
  public:
    VELMORA_VIDEO_ENCODER() = default;
    VELMORA_VIDEO_ENCODER(const VELMORA_VIDEO_ENCODER&) = delete;
    VELMORA_VIDEO_ENCODER& operator=(const VELMORA_VIDEO_ENCODER&) = delete;
    ~VELMORA_VIDEO_ENCODER();

    bool open(const std::string& path, int32_t width, int32_t height, int32_t frames_per_second);
    // Appends one frame; the image must have the size given to open. A key frame can be decoded
    // without the frames before it.
    bool write(const QImage& image, bool key_frame);
    // Flushes the encoder and writes the container's index.
    bool finish();
    const std::string& error_message() const { return error_message_; }

  private:
    bool write_packets();
    bool fail(const std::string& message);

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVStream* stream_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* converter_ = nullptr;
    int64_t next_pts_ = 0;
    std::string path_;
    std::string error_message_;
};
