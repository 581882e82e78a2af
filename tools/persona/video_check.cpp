#include "video_check.h"

#include "persona/velmora_video_fit.h"

extern "C" {
#include <libavformat/avformat.h>
}

VELMORA_VIDEO_CHECK::VELMORA_VIDEO_CHECK(const VELMORA_DB& db, const std::string& persona_file,
                                         const std::string& video_file) {
    frame_count_ = count_frames(video_file, error_message_);
    if (frame_count_ < 0) {
        failed_ = true;
        return;
    }
    const VELMORA_VIDEO_FIT fit(db, persona_file, video_file, frame_count_);
    failed_ = fit.failed();
    error_message_ = fit.error_message();
}

int64_t VELMORA_VIDEO_CHECK::count_frames(const std::string& video_file, std::string& message) {
    av_log_set_level(AV_LOG_ERROR);
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, video_file.c_str(), nullptr, nullptr) < 0) {
        message = video_file + ": unable to open video file";
        return -1;
    }
    int64_t frames = -1;
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1
                           : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (stream < 0) {
        message = video_file + ": no video stream";
    } else {
        // Each packet of the video stream holds one frame in the containers the game plays.
        AVPacket* packet = av_packet_alloc();
        frames = 0;
        while (packet != nullptr && av_read_frame(format, packet) >= 0) {
            frames += packet->stream_index == stream && packet->size > 0 ? 1 : 0;
            av_packet_unref(packet);
        }
        av_packet_free(&packet);
    }
    avformat_close_input(&format);
    return frames;
}
