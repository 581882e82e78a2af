#include "velmora_video_encoder.h"

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

VELMORA_VIDEO_ENCODER::~VELMORA_VIDEO_ENCODER() {
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
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_FFV1);
    if (encoder == nullptr) {
        return fail("this FFmpeg has no FFV1 encoder");
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
    // QImage's RGB32 is FFmpeg's native-endian 0RGB: frames go in without conversion.
    codec_->pix_fmt = AV_PIX_FMT_0RGB32;
    codec_->time_base = AVRational{1, frames_per_second};
    codec_->framerate = AVRational{frames_per_second, 1};
    codec_->gop_size = 1;
    codec_->thread_count = 1;
    codec_->flags |= AV_CODEC_FLAG_BITEXACT;
    // The range coder with the large context model: several times smaller than the defaults on
    // flat art, and still lossless.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "coder", "range_tab", 0);
    av_dict_set(&options, "context", "1", 0);
    const int opened = avcodec_open2(codec_, encoder, &options);
    av_dict_free(&options);
    if (opened < 0 || avcodec_parameters_from_context(stream_->codecpar, codec_) < 0) {
        return fail("cannot open the FFV1 encoder");
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

bool VELMORA_VIDEO_ENCODER::write(const QImage& image) {
    if (image.width() != codec_->width || image.height() != codec_->height ||
        av_frame_make_writable(frame_) < 0) {
        return fail("frame of the wrong size");
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(frame_->data[0] + y * frame_->linesize[0], rgb.constScanLine(y),
                    static_cast<size_t>(rgb.width()) * 4);
    }
    frame_->pts = next_pts_++;
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
