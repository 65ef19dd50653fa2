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
            // MP3 starts with padding that would give its first packets times before zero;
            // counted from zero, the muxer does not shift the pictures to make room.
            if (packet->pts != AV_NOPTS_VALUE) {
                packet->pts += encoder->initial_padding;
            }
            if (packet->dts != AV_NOPTS_VALUE) {
                packet->dts += encoder->initial_padding;
            }
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            Check(av_interleaved_write_frame(&file, packet), "packet");
        }
        av_packet_free(&packet);
    }
};

AVCodecID VideoCodec(TestMovie::Video video) {
    switch (video) {
        case TestMovie::Video::kRaw:
            return AV_CODEC_ID_RAWVIDEO;
        case TestMovie::Video::kCinepak:
            return AV_CODEC_ID_CINEPAK;
        case TestMovie::Video::kMsVideo1:
            return AV_CODEC_ID_MSVIDEO1;
        default:
            return AV_CODEC_ID_MJPEG;
    }
}

AVPixelFormat PixelFormat(TestMovie::Video video) {
    switch (video) {
        case TestMovie::Video::kRaw:
            return AV_PIX_FMT_BGR24;
        case TestMovie::Video::kCinepak:
            return AV_PIX_FMT_RGB24;
        case TestMovie::Video::kMsVideo1:
            return AV_PIX_FMT_RGB555LE;
        default:
            return AV_PIX_FMT_YUVJ420P;
    }
}

AVCodecID SoundCodec(TestMovie::Sound sound) {
    switch (sound) {
        case TestMovie::Sound::kMsAdpcm:
            return AV_CODEC_ID_ADPCM_MS;
        case TestMovie::Sound::kImaAdpcm:
            return AV_CODEC_ID_ADPCM_IMA_WAV;
        case TestMovie::Sound::kMp3:
            return AV_CODEC_ID_MP3;
        default:
            return AV_CODEC_ID_PCM_S16LE;
    }
}

// Fills a picture of any of the test formats with one grey level.
void FillGrey(AVFrame& frame, uint8_t grey) {
    for (int y = 0; y < frame.height; ++y) {
        uint8_t* row = frame.data[0] + static_cast<std::ptrdiff_t>(y) * frame.linesize[0];
        switch (static_cast<AVPixelFormat>(frame.format)) {
            case AV_PIX_FMT_RGB555LE: {
                const auto level = static_cast<uint16_t>(grey >> 3);
                const auto pixel = static_cast<uint16_t>(level << 10 | level << 5 | level);
                for (int x = 0; x < frame.width; ++x) {
                    row[2 * x] = static_cast<uint8_t>(pixel);
                    row[2 * x + 1] = static_cast<uint8_t>(pixel >> 8);
                }
                break;
            }
            case AV_PIX_FMT_YUVJ420P:
                std::memset(row, grey, static_cast<std::size_t>(frame.width));
                break;
            default:  // three bytes a pixel
                std::memset(row, grey, static_cast<std::size_t>(frame.width) * 3);
                break;
        }
    }
    if (frame.format == AV_PIX_FMT_YUVJ420P) {
        for (const int plane : {1, 2}) {
            for (int y = 0; y < frame.height / 2; ++y) {
                std::memset(
                    frame.data[plane] + static_cast<std::ptrdiff_t>(y) * frame.linesize[plane], 128,
                    static_cast<std::size_t>(frame.width / 2));
            }
        }
    }
}

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
    using Video = TestMovie::Video;
    if (movie.video != Video::kNone) {
        video.Open(*out, VideoCodec(movie.video), [&](AVCodecContext& c) {
            c.width = movie.width;
            c.height = movie.height;
            c.time_base = {1, movie.frames_per_second};
            c.framerate = {movie.frames_per_second, 1};
            c.pix_fmt = PixelFormat(movie.video);
        });
    }
    if (movie.sound != TestMovie::Sound::kNone) {
        sound.Open(*out, SoundCodec(movie.sound), [&](AVCodecContext& c) {
            c.sample_rate = kSoundRate;
            // One channel lies the same in memory planar or not.
            c.sample_fmt =
                movie.sound == TestMovie::Sound::kMp3 ? AV_SAMPLE_FMT_S16P : AV_SAMPLE_FMT_S16;
            av_channel_layout_default(&c.ch_layout, 1);
            c.time_base = {1, kSoundRate};
        });
    }
    Check(avio_open(&out->pb, file.c_str(), AVIO_FLAG_WRITE), "open");
    Check(avformat_write_header(out, nullptr), "header");

    AVFrame* frame = av_frame_alloc();
    const int samples_per_frame = kSoundRate / movie.frames_per_second;
    int64_t sound_written = 0;
    for (int k = 0; k < movie.frames; ++k) {
        if (video.encoder != nullptr) {
            av_frame_unref(frame);
            frame->format = video.encoder->pix_fmt;
            frame->width = movie.width;
            frame->height = movie.height;
            Check(av_frame_get_buffer(frame, 0), "picture");
            FillGrey(*frame, GreyOfFrame(k));
            frame->pts = k;
            video.Write(*out, frame);
        }
        // Sound in the encoder's own frame size (fixed for ADPCM and MP3), up to the end of
        // this picture's time; the last frame of a fixed size may run a little past it.
        const int chunk = sound.encoder != nullptr && sound.encoder->frame_size > 0
                              ? sound.encoder->frame_size
                              : samples_per_frame;
        while (sound.encoder != nullptr &&
               sound_written < static_cast<int64_t>(k + 1) * samples_per_frame) {
            av_frame_unref(frame);
            frame->format = sound.encoder->sample_fmt;
            frame->nb_samples = chunk;
            frame->sample_rate = kSoundRate;
            av_channel_layout_default(&frame->ch_layout, 1);
            Check(av_frame_get_buffer(frame, 0), "sound");
            auto* samples = reinterpret_cast<int16_t*>(frame->data[0]);
            for (int i = 0; i < chunk; ++i) {
                samples[i] =
                    static_cast<int16_t>(((sound_written + i) / 25) % 2 == 0 ? 4000 : -4000);
            }
            frame->pts = sound_written;
            sound.Write(*out, frame);
            sound_written += chunk;
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
