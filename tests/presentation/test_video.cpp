#include "test_video.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr std::array<QRgb, 16> colours = {
    0xd03030, 0x30b040, 0x3050d0, 0xe0d040, 0x40c8d0, 0xc040c0, 0xf0f0f0, 0x606060,
    0xf08020, 0x8040e0, 0x208080, 0x90e090, 0x802020, 0xf0a0c0, 0x205020, 0xa0a0f0};

// Owns the encoder's FFmpeg objects for one file.
struct video_writer {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* rgb = nullptr;
    AVFrame* yuv = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;

    ~video_writer() {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&yuv);
        av_frame_free(&rgb);
        avcodec_free_context(&codec);
        if (format != nullptr) {
            avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    bool open(const std::string& path, int frames_per_second) {
        const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
        if (encoder == nullptr ||
            avformat_alloc_output_context2(&format, nullptr, "avi", path.c_str()) < 0) {
            return false;
        }
        stream = avformat_new_stream(format, nullptr);
        codec = avcodec_alloc_context3(encoder);
        if (stream == nullptr || codec == nullptr) {
            return false;
        }
        codec->width = test_video_width;
        codec->height = test_video_height;
        codec->pix_fmt = AV_PIX_FMT_YUV420P;
        codec->time_base = AVRational{1, frames_per_second};
        codec->framerate = AVRational{frames_per_second, 1};
        codec->gop_size = 4;
        codec->max_b_frames = 0;
        codec->flags |= AV_CODEC_FLAG_QSCALE;
        codec->global_quality = FF_QP2LAMBDA * 2;
        if (avcodec_open2(codec, encoder, nullptr) < 0 ||
            avcodec_parameters_from_context(stream->codecpar, codec) < 0) {
            return false;
        }
        stream->time_base = codec->time_base;
        rgb = make_frame(AV_PIX_FMT_RGB24);
        yuv = make_frame(AV_PIX_FMT_YUV420P);
        packet = av_packet_alloc();
        scaler = sws_getContext(test_video_width, test_video_height, AV_PIX_FMT_RGB24,
                                test_video_width, test_video_height, AV_PIX_FMT_YUV420P,
                                SWS_BILINEAR, nullptr, nullptr, nullptr);
        return rgb != nullptr && yuv != nullptr && packet != nullptr && scaler != nullptr &&
               avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0 &&
               avformat_write_header(format, nullptr) >= 0;
    }

    static AVFrame* make_frame(AVPixelFormat pixel_format) {
        AVFrame* frame = av_frame_alloc();
        if (frame == nullptr) {
            return nullptr;
        }
        frame->format = pixel_format;
        frame->width = test_video_width;
        frame->height = test_video_height;
        if (av_frame_get_buffer(frame, 0) < 0) {
            av_frame_free(&frame);
        }
        return frame;
    }

    bool write_frame(int64_t number, QColor colour) {
        for (int y = 0; y < test_video_height; ++y) {
            uint8_t* line = rgb->data[0] + y * rgb->linesize[0];
            for (int x = 0; x < test_video_width; ++x) {
                line[3 * x] = static_cast<uint8_t>(colour.red());
                line[3 * x + 1] = static_cast<uint8_t>(colour.green());
                line[3 * x + 2] = static_cast<uint8_t>(colour.blue());
            }
        }
        if (av_frame_make_writable(yuv) < 0) {
            return false;
        }
        sws_scale(scaler, rgb->data, rgb->linesize, 0, test_video_height, yuv->data, yuv->linesize);
        yuv->pts = number;
        return avcodec_send_frame(codec, yuv) >= 0 && write_packets();
    }

    bool write_packets() {
        while (avcodec_receive_packet(codec, packet) >= 0) {
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0) {
                return false;
            }
        }
        return true;
    }

    bool finish() {
        return avcodec_send_frame(codec, nullptr) >= 0 && write_packets() &&
               av_write_trailer(format) >= 0;
    }
};

int distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

} // namespace

QColor test_video_colour(int index) {
    return QColor(colours[index % colours.size()]);
}

int test_video_colour_index(QColor colour) {
    for (int index = 0; index < static_cast<int>(colours.size()); ++index) {
        if (distance(colour, test_video_colour(index)) < 40) {
            return index;
        }
    }
    return -1;
}

bool make_test_video(const std::string& path, int frame_count, int frames_per_second,
                     int first_colour) {
    video_writer writer;
    if (!writer.open(path, frames_per_second)) {
        return false;
    }
    for (int k = 0; k < frame_count; ++k) {
        if (!writer.write_frame(k, test_video_colour(first_colour + k))) {
            return false;
        }
    }
    return writer.finish();
}

bool make_sound_file(const std::string& path) {
    // 16-bit mono PCM at 8000 Hz, a tenth of a second of silence.
    const uint32_t data_size = 1600;
    auto put32 = [](std::ofstream& out, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            out.put(static_cast<char>((v >> (8 * i)) & 0xff));
        }
    };
    auto put16 = [](std::ofstream& out, uint16_t v) {
        out.put(static_cast<char>(v & 0xff));
        out.put(static_cast<char>(v >> 8));
    };
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + data_size);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, 8000);
    put32(out, 16000);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, data_size);
    out << std::string(data_size, '\0');
    return static_cast<bool>(out);
}
