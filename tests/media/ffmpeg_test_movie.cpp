#include "media/ffmpeg_test_movie.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace morvane::testing {
namespace {

constexpr int kSoundRate = 22050;

void Check(int result, const char* what) {
    if (result < 0) {
        throw std::runtime_error(std::string("cannot write the test movie: ") + what);
    }
}

// One stream of the file with its encoder.
struct Track {
    AVStream* stream = nullptr;
    AVCodecContext* encoder = nullptr;

    ~Track() { avcodec_free_context(&encoder); }

    void Open(AVFormatContext& file, AVCodecID codec_id,
              const std::function<void(AVCodecContext&)>& configure) {
        const AVCodec* codec = avcodec_find_encoder(codec_id);
        if (codec == nullptr) {
            throw std::runtime_error("no encoder for the test movie");
        }
        encoder = avcodec_alloc_context3(codec);
        configure(*encoder);
        if ((file.oformat->flags & AVFMT_GLOBALHEADER) != 0) {
            encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        }
        Check(avcodec_open2(encoder, codec, nullptr), "encoder");
        stream = avformat_new_stream(&file, nullptr);
        Check(avcodec_parameters_from_context(stream->codecpar, encoder), "stream");
        stream->time_base = encoder->time_base;
    }

    // Encodes `frame` (nothing: drains the encoder) and writes what comes out.
    void Write(AVFormatContext& file, const AVFrame* frame) {
        Check(avcodec_send_frame(encoder, frame), "frame");
        AVPacket* packet = av_packet_alloc();
        while (avcodec_receive_packet(encoder, packet) == 0) {
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            Check(av_interleaved_write_frame(&file, packet), "packet");
        }
        av_packet_free(&packet);
    }
};

}  // namespace

void WriteTestMovie(const std::filesystem::path& file, const TestMovie& movie) {
    std::filesystem::create_directories(file.parent_path());
    AVFormatContext* out = nullptr;
    Check(avformat_alloc_output_context2(&out, nullptr, "avi", file.c_str()), "format");
    const std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> owner(
        out, [](AVFormatContext* context) {
            avio_closep(&context->pb);
            avformat_free_context(context);
        });
    Track video;
    Track sound;
    const bool raw = movie.video == TestMovie::Video::kRaw;
    if (movie.video != TestMovie::Video::kNone) {
        video.Open(*out, raw ? AV_CODEC_ID_RAWVIDEO : AV_CODEC_ID_MJPEG, [&](AVCodecContext& c) {
            c.width = movie.width;
            c.height = movie.height;
            c.time_base = {1, movie.frames_per_second};
            c.framerate = {movie.frames_per_second, 1};
            c.pix_fmt = raw ? AV_PIX_FMT_BGR24 : AV_PIX_FMT_YUVJ420P;
        });
    }
    if (movie.sound) {
        sound.Open(*out, AV_CODEC_ID_PCM_S16LE, [](AVCodecContext& c) {
            c.sample_rate = kSoundRate;
            c.sample_fmt = AV_SAMPLE_FMT_S16;
            av_channel_layout_default(&c.ch_layout, 1);
            c.time_base = {1, kSoundRate};
        });
    }
    Check(avio_open(&out->pb, file.c_str(), AVIO_FLAG_WRITE), "open");
    Check(avformat_write_header(out, nullptr), "header");

    AVFrame* frame = av_frame_alloc();
    const int samples_per_frame = kSoundRate / movie.frames_per_second;
    for (int k = 0; k < movie.frames; ++k) {
        if (video.encoder != nullptr) {
            av_frame_unref(frame);
            frame->format = video.encoder->pix_fmt;
            frame->width = movie.width;
            frame->height = movie.height;
            Check(av_frame_get_buffer(frame, 0), "picture");
            const uint8_t grey = GreyOfFrame(k);
            for (int y = 0; y < movie.height; ++y) {
                std::memset(frame->data[0] + static_cast<std::ptrdiff_t>(y) * frame->linesize[0],
                            grey, static_cast<std::size_t>(raw ? movie.width * 3 : movie.width));
            }
            if (!raw) {
                for (const int plane : {1, 2}) {
                    for (int y = 0; y < movie.height / 2; ++y) {
                        std::memset(frame->data[plane] +
                                        static_cast<std::ptrdiff_t>(y) * frame->linesize[plane],
                                    128, static_cast<std::size_t>(movie.width / 2));
                    }
                }
            }
            frame->pts = k;
            video.Write(*out, frame);
        }
        if (sound.encoder != nullptr) {
            av_frame_unref(frame);
            frame->format = AV_SAMPLE_FMT_S16;
            frame->nb_samples = samples_per_frame;
            frame->sample_rate = kSoundRate;
            av_channel_layout_default(&frame->ch_layout, 1);
            Check(av_frame_get_buffer(frame, 0), "sound");
            auto* samples = reinterpret_cast<int16_t*>(frame->data[0]);
            for (int i = 0; i < samples_per_frame; ++i) {
                samples[i] = static_cast<int16_t>((i / 25) % 2 == 0 ? 4000 : -4000);
            }
            frame->pts = static_cast<int64_t>(k) * samples_per_frame;
            sound.Write(*out, frame);
        }
    }
    av_frame_free(&frame);
    if (video.encoder != nullptr) {
        video.Write(*out, nullptr);
    }
    if (sound.encoder != nullptr) {
        sound.Write(*out, nullptr);
    }
    Check(av_write_trailer(out), "trailer");
}

}  // namespace morvane::testing
