// Writes the webcam video: FFV1 (lossless) in an AVI container, every frame a key frame, so the
// game's video device can start a clip at any frame exactly, and flat vector art keeps its clean
// edges. Output is bit-exact (no encoder or muxer version strings), so the same frames give the
// same file on every build. Owns its FFmpeg objects and frees them when destroyed.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

class VELMORA_VIDEO_ENCODER {
  public:
    VELMORA_VIDEO_ENCODER() = default;
    VELMORA_VIDEO_ENCODER(const VELMORA_VIDEO_ENCODER&) = delete;
    VELMORA_VIDEO_ENCODER& operator=(const VELMORA_VIDEO_ENCODER&) = delete;
    ~VELMORA_VIDEO_ENCODER();

    bool open(const std::string& path, int32_t width, int32_t height, int32_t frames_per_second);
    // Appends one frame; the image must have the size given to open.
    bool write(const QImage& image);
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
    int64_t next_pts_ = 0;
    std::string path_;
    std::string error_message_;
};
