#include "velmora_video_encoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

VELMORA_VIDEO_ENCODER::~VELMORA_VIDEO_ENCODER() {
    sws_freeContext(converter_);
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&codec_);
    if (format_ != nullptr) {
        avio_closep(&format_->pb);
        avformat_free_context(format_);
    }
}

bool VELMORA_VIDEO_ENCODER::fail(const std::string& message) {
    error_message_ = path_ + ": " + message;
    return false;
}

bool VELMORA_VIDEO_ENCODER::open(const std::string& path, int32_t width, int32_t height,
                                 int32_t frames_per_second) {
    path_ = path;
    // x264 reports its statistics at the info level; the build wants to hear only of problems.
    av_log_set_level(AV_LOG_WARNING);
    const AVCodec* encoder = avcodec_find_encoder_by_name("libx264");
    if (encoder == nullptr) {
        return fail("this FFmpeg has no libx264 encoder");
    }
    if (avformat_alloc_output_context2(&format_, nullptr, "avi", path.c_str()) < 0) {
        return fail("cannot make an AVI container");
    }
    format_->flags |= AVFMT_FLAG_BITEXACT;
    stream_ = avformat_new_stream(format_, nullptr);
    codec_ = avcodec_alloc_context3(encoder);
    if (stream_ == nullptr || codec_ == nullptr) {
        return fail("out of memory");
    }
    codec_->width = width;
    codec_->height = height;
    // 4:2:0 is what every H.264 decoder plays; the window shows the frames at a third of their
    // size at 100 %, where the halved colour resolution cannot be seen.
    codec_->pix_fmt = AV_PIX_FMT_YUV420P;
    codec_->time_base = AVRational{1, frames_per_second};
    codec_->framerate = AVRational{frames_per_second, 1};
    // Key frames come where write asks for them; no B-frames, so frames arrive in their order.
    codec_->gop_size = 600;
    codec_->max_b_frames = 0;
    codec_->thread_count = 1;
    codec_->flags |= AV_CODEC_FLAG_BITEXACT;
    if ((format_->oformat->flags & AVFMT_GLOBALHEADER) != 0) {
        codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    // Constant quality high enough that flat art shows no ringing at 200 %.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "preset", "medium", 0);
    av_dict_set(&options, "tune", "animation", 0);
    av_dict_set(&options, "crf", "14", 0);
    av_dict_set(&options, "forced-idr", "1", 0);
    const int opened = avcodec_open2(codec_, encoder, &options);
    av_dict_free(&options);
    if (opened < 0 || avcodec_parameters_from_context(stream_->codecpar, codec_) < 0) {
        return fail("cannot open the H.264 encoder");
    }
    converter_ = sws_getContext(width, height, AV_PIX_FMT_RGB32, width, height, AV_PIX_FMT_YUV420P,
                                SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP, nullptr,
                                nullptr, nullptr);
    if (converter_ == nullptr) {
        return fail("cannot convert frames to YUV");
    }
    stream_->time_base = codec_->time_base;
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (frame_ == nullptr || packet_ == nullptr) {
        return fail("out of memory");
    }
    frame_->format = codec_->pix_fmt;
    frame_->width = width;
    frame_->height = height;
    if (av_frame_get_buffer(frame_, 0) < 0) {
        return fail("out of memory");
    }
    if (avio_open(&format_->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) {
        return fail("cannot write the file");
    }
    if (avformat_write_header(format_, nullptr) < 0) {
        return fail("cannot write the AVI header");
    }
    return true;
}

bool VELMORA_VIDEO_ENCODER::write(const QImage& image, bool key_frame) {
    if (image.width() != codec_->width || image.height() != codec_->height ||
        av_frame_make_writable(frame_) < 0) {
        return fail("frame of the wrong size");
    }
    // QImage's RGB32 is FFmpeg's native-endian RGB32.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const uint8_t* const planes[] = {rgb.constBits()};
    const int strides[] = {static_cast<int>(rgb.bytesPerLine())};
    sws_scale(converter_, planes, strides, 0, rgb.height(), frame_->data, frame_->linesize);
    frame_->pts = next_pts_++;
    frame_->pict_type = key_frame ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    if (avcodec_send_frame(codec_, frame_) < 0 || !write_packets()) {
        return fail("cannot encode frame " + std::to_string(next_pts_ - 1));
    }
    return true;
}

bool VELMORA_VIDEO_ENCODER::write_packets() {
    while (avcodec_receive_packet(codec_, packet_) >= 0) {
        av_packet_rescale_ts(packet_, codec_->time_base, stream_->time_base);
        packet_->stream_index = stream_->index;
        if (av_interleaved_write_frame(format_, packet_) < 0) {
            return false;
        }
    }
    return true;
}

bool VELMORA_VIDEO_ENCODER::finish() {
    if (avcodec_send_frame(codec_, nullptr) < 0 || !write_packets() ||
        av_write_trailer(format_) < 0 || avio_closep(&format_->pb) < 0) {
        return fail("cannot finish the file");
    }
    return true;
}
