#include "media/ffmpeg/movie_writer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/ffmpeg/ffmpeg_handles.h"

namespace morvane {
namespace {

using Video = MovieFormat::Video;
using Sound = MovieFormat::Sound;

void Check(int result, const std::string& what) {
    if (result < 0) {
        char reason[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(result, reason, sizeof reason);
        throw std::runtime_error("cannot write the movie: " + what + ": " + reason);
    }
}

AVCodecID VideoCodec(Video video) {
    switch (video) {
        case Video::kRaw:
            return AV_CODEC_ID_RAWVIDEO;
        case Video::kCinepak:
            return AV_CODEC_ID_CINEPAK;
        case Video::kMsVideo1:
            return AV_CODEC_ID_MSVIDEO1;
        default:
            return AV_CODEC_ID_MJPEG;
    }
}

// The one picture format each encoder takes.
AVPixelFormat PixelFormat(Video video) {
    switch (video) {
        case Video::kRaw:
            return AV_PIX_FMT_BGR24;
        case Video::kCinepak:
            return AV_PIX_FMT_RGB24;
        case Video::kMsVideo1:
            return AV_PIX_FMT_RGB555LE;
        default:
            return AV_PIX_FMT_YUVJ420P;
    }
}

AVCodecID SoundCodec(Sound sound) {
    switch (sound) {
        case Sound::kMsAdpcm:
            return AV_CODEC_ID_ADPCM_MS;
        case Sound::kImaAdpcm:
            return AV_CODEC_ID_ADPCM_IMA_WAV;
        case Sound::kMp3:
            return AV_CODEC_ID_MP3;
        default:
            return AV_CODEC_ID_PCM_S16LE;
    }
}

uint8_t Clamp(double value) {
    return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// Copies an RGB picture into `frame` in the frame's own format. Done here rather than through
// a scaler so that the bytes do not depend on which processor features the scaler finds.
void ConvertPicture(std::span<const uint8_t> rgb, AVFrame& frame) {
    const int w = frame.width;
    const auto at = [&](int x, int y) {
        return rgb.data() + (static_cast<std::size_t>(y) * w + x) * 3;
    };
    for (int y = 0; y < frame.height; ++y) {
        uint8_t* row = frame.data[0] + static_cast<std::ptrdiff_t>(y) * frame.linesize[0];
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = at(x, y);
            switch (static_cast<AVPixelFormat>(frame.format)) {
                case AV_PIX_FMT_RGB24:
                    std::copy(p, p + 3, row + 3 * x);
                    break;
                case AV_PIX_FMT_BGR24:
                    row[3 * x] = p[2];
                    row[3 * x + 1] = p[1];
                    row[3 * x + 2] = p[0];
                    break;
                case AV_PIX_FMT_RGB555LE: {
                    const auto pixel =
                        static_cast<uint16_t>((p[0] >> 3) << 10 | (p[1] >> 3) << 5 | (p[2] >> 3));
                    row[2 * x] = static_cast<uint8_t>(pixel);
                    row[2 * x + 1] = static_cast<uint8_t>(pixel >> 8);
                    break;
                }
                default:  // full-range YUV: the brightness of every pixel
                    row[x] = Clamp(0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]);
                    break;
            }
        }
    }
    if (frame.format != AV_PIX_FMT_YUVJ420P) {
        return;
    }
    // The colour of each 2 x 2 block, from the block's average.
    for (int y = 0; y < (frame.height + 1) / 2; ++y) {
        uint8_t* cb = frame.data[1] + static_cast<std::ptrdiff_t>(y) * frame.linesize[1];
        uint8_t* cr = frame.data[2] + static_cast<std::ptrdiff_t>(y) * frame.linesize[2];
        for (int x = 0; x < (w + 1) / 2; ++x) {
            double r = 0;
            double g = 0;
            double b = 0;
            int count = 0;
            for (int dy = 0; dy < 2 && 2 * y + dy < frame.height; ++dy) {
                for (int dx = 0; dx < 2 && 2 * x + dx < w; ++dx) {
                    const uint8_t* p = at(2 * x + dx, 2 * y + dy);
                    r += p[0];
                    g += p[1];
                    b += p[2];
                    ++count;
                }
            }
            r /= count;
            g /= count;
            b /= count;
            cb[x] = Clamp(128 - 0.168736 * r - 0.331264 * g + 0.5 * b);
            cr[x] = Clamp(128 + 0.5 * r - 0.418688 * g - 0.081312 * b);
        }
    }
}

// One stream of the file with its encoder.
struct Track {
    AVStream* stream = nullptr;
    ffmpeg::CodecHandle encoder;

    void Open(AVFormatContext& file, AVCodecID codec_id,
              const std::function<void(AVCodecContext&)>& configure) {
        const AVCodec* codec = avcodec_find_encoder(codec_id);
        if (codec == nullptr) {
            throw std::runtime_error(std::string("cannot write the movie: FFmpeg here has no ") +
                                     avcodec_get_name(codec_id) + " encoder");
        }
        encoder.reset(avcodec_alloc_context3(codec));
        configure(*encoder);
        encoder->flags |= AV_CODEC_FLAG_BITEXACT;
        if ((file.oformat->flags & AVFMT_GLOBALHEADER) != 0) {
            encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        }
        Check(avcodec_open2(encoder.get(), codec, nullptr), avcodec_get_name(codec_id));
        stream = avformat_new_stream(&file, nullptr);
        if (stream == nullptr) {
            throw std::runtime_error("cannot write the movie: no room for a stream");
        }
        Check(avcodec_parameters_from_context(stream->codecpar, encoder.get()), "stream");
        stream->time_base = encoder->time_base;
    }

    // Encodes `frame` (nothing: drains the encoder) and writes what comes out.
    void Write(AVFormatContext& file, const AVFrame* frame) {
        Check(avcodec_send_frame(encoder.get(), frame), "encoding");
        const ffmpeg::PacketHandle packet(av_packet_alloc());
        while (avcodec_receive_packet(encoder.get(), packet.get()) == 0) {
            // MP3 starts with padding that would give its first packets times before zero;
            // counted from zero, the muxer does not shift the pictures to make room.
            if (packet->pts != AV_NOPTS_VALUE) {
                packet->pts += encoder->initial_padding;
            }
            if (packet->dts != AV_NOPTS_VALUE) {
                packet->dts += encoder->initial_padding;
            }
            av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            Check(av_interleaved_write_frame(&file, packet.get()), "packet");
        }
    }
};

struct FileCloser {
    void operator()(AVFormatContext* context) const {
        avio_closep(&context->pb);
        avformat_free_context(context);
    }
};

bool EndsInMp3(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".mp3";
}

}  // namespace

struct MovieWriter::Impl {
    MovieFormat format;
    std::unique_ptr<AVFormatContext, FileCloser> file;
    Track video;
    Track sound;
    ffmpeg::FrameHandle frame{av_frame_alloc()};
    int64_t pictures = 0;
    int64_t samples_written = 0;
    std::vector<int16_t> waiting;  // sound not yet a whole encoder frame
    bool finished = false;

    int SoundChunk() const {
        return sound.encoder->frame_size > 0 ? sound.encoder->frame_size : format.sound_rate / 10;
    }

    void EncodeSound(const int16_t* samples, int count) {
        av_frame_unref(frame.get());
        frame->format = sound.encoder->sample_fmt;
        frame->nb_samples = count;
        frame->sample_rate = format.sound_rate;
        av_channel_layout_default(&frame->ch_layout, 1);
        Check(av_frame_get_buffer(frame.get(), 0), "sound buffer");
        // One channel lies the same in memory planar or not.
        std::copy(samples, samples + count, reinterpret_cast<int16_t*>(frame->data[0]));
        frame->pts = samples_written;
        sound.Write(*file, frame.get());
        samples_written += count;
    }
};

bool MovieWriter::CanEncode(MovieFormat::Video video, MovieFormat::Sound sound) {
    return (video == Video::kNone || avcodec_find_encoder(VideoCodec(video)) != nullptr) &&
           (sound == Sound::kNone || avcodec_find_encoder(SoundCodec(sound)) != nullptr);
}

MovieWriter::MovieWriter(const std::filesystem::path& file, const MovieFormat& format)
    : impl_(std::make_unique<Impl>()) {
    Impl& m = *impl_;
    m.format = format;
    const bool bare_mp3 =
        EndsInMp3(file) && format.video == Video::kNone && format.sound == Sound::kMp3;
    if (!bare_mp3 && format.video == Video::kNone && format.sound == Sound::kNone) {
        throw std::runtime_error("cannot write the movie: it has neither pictures nor sound");
    }
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path());
    }
    AVFormatContext* out = nullptr;
    Check(avformat_alloc_output_context2(&out, nullptr, bare_mp3 ? "mp3" : "avi", file.c_str()),
          "container");
    m.file.reset(out);
    out->flags |= AVFMT_FLAG_BITEXACT;
    if (format.video != Video::kNone) {
        m.video.Open(*out, VideoCodec(format.video), [&](AVCodecContext& c) {
            c.width = format.width;
            c.height = format.height;
            c.time_base = {1, format.frames_per_second};
            c.framerate = {format.frames_per_second, 1};
            c.pix_fmt = PixelFormat(format.video);
        });
    }
    if (format.sound != Sound::kNone) {
        m.sound.Open(*out, SoundCodec(format.sound), [&](AVCodecContext& c) {
            c.sample_rate = format.sound_rate;
            c.sample_fmt = format.sound == Sound::kMp3 ? AV_SAMPLE_FMT_S16P : AV_SAMPLE_FMT_S16;
            av_channel_layout_default(&c.ch_layout, 1);
            c.time_base = {1, format.sound_rate};
            if (format.sound == Sound::kMp3) {
                c.bit_rate = 64000;
            }
        });
    }
    Check(avio_open(&out->pb, file.c_str(), AVIO_FLAG_WRITE), "opening " + file.string());
    AVDictionary* options = nullptr;
    if (bare_mp3) {
        // A plain run of frames: no ID3 tag and no Xing header frame.
        av_dict_set(&options, "id3v2_version", "0", 0);
        av_dict_set(&options, "write_xing", "0", 0);
    }
    const int header = avformat_write_header(out, &options);
    av_dict_free(&options);
    Check(header, "header");
}

MovieWriter::~MovieWriter() = default;

void MovieWriter::AddPicture(std::span<const uint8_t> rgb) {
    Impl& m = *impl_;
    if (m.video.encoder == nullptr || m.finished) {
        throw std::logic_error("the movie takes no more pictures");
    }
    if (rgb.size() != static_cast<std::size_t>(m.format.width) * m.format.height * 3) {
        throw std::invalid_argument("a picture of the wrong size for the movie");
    }
    av_frame_unref(m.frame.get());
    m.frame->format = m.video.encoder->pix_fmt;
    m.frame->width = m.format.width;
    m.frame->height = m.format.height;
    Check(av_frame_get_buffer(m.frame.get(), 0), "picture buffer");
    ConvertPicture(rgb, *m.frame);
    m.frame->pts = m.pictures++;
    m.video.Write(*m.file, m.frame.get());
}

void MovieWriter::AddSound(std::span<const int16_t> samples) {
    Impl& m = *impl_;
    if (m.sound.encoder == nullptr || m.finished) {
        throw std::logic_error("the movie takes no more sound");
    }
    m.waiting.insert(m.waiting.end(), samples.begin(), samples.end());
    const auto chunk = static_cast<std::size_t>(m.SoundChunk());
    std::size_t used = 0;
    for (; m.waiting.size() - used >= chunk; used += chunk) {
        m.EncodeSound(m.waiting.data() + used, static_cast<int>(chunk));
    }
    m.waiting.erase(m.waiting.begin(), m.waiting.begin() + static_cast<std::ptrdiff_t>(used));
}

void MovieWriter::Finish() {
    Impl& m = *impl_;
    if (m.finished) {
        return;
    }
    m.finished = true;
    if (m.sound.encoder != nullptr && !m.waiting.empty()) {
        // Encoders of a fixed frame size take a short last frame only when they say so;
        // the others get it filled up with silence.
        const bool short_last =
            m.sound.encoder->frame_size == 0 ||
            (m.sound.encoder->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME) != 0;
        if (!short_last) {
            m.waiting.resize(static_cast<std::size_t>(m.SoundChunk()), 0);
        }
        m.EncodeSound(m.waiting.data(), static_cast<int>(m.waiting.size()));
        m.waiting.clear();
    }
    if (m.video.encoder != nullptr) {
        m.video.Write(*m.file, nullptr);
    }
    if (m.sound.encoder != nullptr) {
        m.sound.Write(*m.file, nullptr);
    }
    Check(av_write_trailer(m.file.get()), "trailer");
    avio_closep(&m.file->pb);
}

}  // namespace morvane
