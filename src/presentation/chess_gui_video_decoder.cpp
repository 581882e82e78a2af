#include "presentation/chess_gui_video_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

CHESS_GUI_VIDEO_DECODER::open_result CHESS_GUI_VIDEO_DECODER::open(const std::string& file_name) {
    // The program judges files itself and says so in its own words; FFmpeg's doubts about a
    // file only fill the terminal.
    static const bool quiet = (av_log_set_level(AV_LOG_ERROR), true);
    (void)quiet;
    close();
    if (avformat_open_input(&format_, file_name.c_str(), nullptr, nullptr) < 0) {
        format_ = nullptr;
        return open_result::unable_to_open;
    }
    if (avformat_find_stream_info(format_, nullptr) < 0) {
        close();
        return open_result::unable_to_open;
    }
    return open_video_stream() ? open_result::opened : open_result::not_frame_based;
}

// Opens the decoder of the best video stream, when that stream can be addressed by frame number:
// it has a size and a frame rate.
bool CHESS_GUI_VIDEO_DECODER::open_video_stream() {
    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (index < 0 || decoder == nullptr) {
        return false;
    }
    AVStream* stream = format_->streams[index];
    const AVRational rate = av_guess_frame_rate(format_, stream, nullptr);
    if (rate.num <= 0 || rate.den <= 0 || stream->codecpar->width <= 0 ||
        stream->codecpar->height <= 0) {
        return false;
    }
    codec_ = avcodec_alloc_context3(decoder);
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (codec_ == nullptr || frame_ == nullptr || packet_ == nullptr ||
        avcodec_parameters_to_context(codec_, stream->codecpar) < 0 ||
        avcodec_open2(codec_, decoder, nullptr) < 0) {
        avcodec_free_context(&codec_);
        return false;
    }
    stream_index_ = index;
    rate_num_ = rate.num;
    rate_den_ = rate.den;
    origin_ = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    width_ = stream->codecpar->width;
    height_ = stream->codecpar->height;
    frame_duration_us_ = av_rescale(1000000, rate.den, rate.num);
    frame_count_ = count_frames();
    return true;
}

// The frames the file really holds: a header may announce more than a cut-short file still has.
// Each packet of the video stream holds one frame in the containers the game plays; nothing is
// decoded, and the stream is rewound afterwards.
int64_t CHESS_GUI_VIDEO_DECODER::count_frames() {
    int64_t frames = 0;
    while (av_read_frame(format_, packet_) >= 0) {
        frames += packet_->stream_index == stream_index_ && packet_->size > 0 ? 1 : 0;
        av_packet_unref(packet_);
    }
    av_seek_frame(format_, stream_index_, origin_, AVSEEK_FLAG_BACKWARD);
    return frames;
}

void CHESS_GUI_VIDEO_DECODER::close() {
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&codec_);
    avformat_close_input(&format_);
    stream_index_ = -1;
    width_ = 0;
    height_ = 0;
    rate_num_ = 0;
    rate_den_ = 1;
    origin_ = 0;
    frame_duration_us_ = 0;
    frame_count_ = 0;
    frame_number_ = -1;
    draining_ = false;
}

bool CHESS_GUI_VIDEO_DECODER::seek(int64_t frame) {
    if (!is_frame_based() || frame < 0) {
        return false;
    }
    if (av_seek_frame(format_, stream_index_, stamp_of(frame), AVSEEK_FLAG_BACKWARD) < 0) {
        return false;
    }
    avcodec_flush_buffers(codec_);
    draining_ = false;
    frame_number_ = -1;
    return true;
}

// Feeds the decoder one packet of the video stream, or the end-of-stream marker when the file
// is exhausted. False once there is nothing more to feed.
bool CHESS_GUI_VIDEO_DECODER::send_next_packet() {
    if (draining_) {
        return false;
    }
    for (;;) {
        if (av_read_frame(format_, packet_) < 0) {
            draining_ = true;
            avcodec_send_packet(codec_, nullptr);
            return true;
        }
        const bool ours = packet_->stream_index == stream_index_;
        // A packet the decoder rejects is skipped: the frames around it still play.
        if (ours) {
            avcodec_send_packet(codec_, packet_);
        }
        av_packet_unref(packet_);
        if (ours) {
            return true;
        }
    }
}

bool CHESS_GUI_VIDEO_DECODER::next_frame() {
    if (!is_frame_based()) {
        return false;
    }
    for (;;) {
        const int result = avcodec_receive_frame(codec_, frame_);
        if (result == 0) {
            break;
        }
        if (result != AVERROR(EAGAIN) || !send_next_packet()) {
            return false;
        }
    }
    const int64_t stamp = frame_->best_effort_timestamp;
    frame_number_ = stamp == AV_NOPTS_VALUE ? frame_number_ + 1 : frame_of(stamp);
    return true;
}

int64_t CHESS_GUI_VIDEO_DECODER::stamp_of(int64_t frame) const {
    const AVRational frame_length{rate_den_, rate_num_};
    return origin_ + av_rescale_q(frame, frame_length, format_->streams[stream_index_]->time_base);
}

// Rounds to the nearest frame, so timestamps that a container stores in coarser or finer units
// than one frame still give the right number.
int64_t CHESS_GUI_VIDEO_DECODER::frame_of(int64_t stamp) const {
    const AVRational frame_length{rate_den_, rate_num_};
    return av_rescale_q(stamp - origin_, format_->streams[stream_index_]->time_base, frame_length);
}

bool CHESS_GUI_VIDEO_DECODER::convert_to_rgb32(uint8_t* pixels, int32_t bytes_per_line) {
    scaler_ = sws_getCachedContext(scaler_, frame_->width, frame_->height,
                                   static_cast<AVPixelFormat>(frame_->format), width_, height_,
                                   AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (scaler_ == nullptr) {
        return false;
    }
    uint8_t* planes[4] = {pixels, nullptr, nullptr, nullptr};
    const int strides[4] = {bytes_per_line, 0, 0, 0};
    return sws_scale(scaler_, frame_->data, frame_->linesize, 0, frame_->height, planes, strides) ==
           height_;
}
