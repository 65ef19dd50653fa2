#include "media/ffmpeg/movie_decoder.h"

#include <vector>

#include "media/ffmpeg/movie_audio.h"
#include "media/ffmpeg/movie_frame.h"
#include "media/media_errors.h"

namespace morvane::ffmpeg {
namespace {

constexpr int kLargestSide = 16384;
constexpr AVRational kMilliseconds{1, 1000};
// Bounds the video read ahead while looking for sound, for files whose sound lies far away.
constexpr std::size_t kMostPacketsAhead = 256;

// Opens the decoder of one stream on a single thread: decoding runs on the UI thread between
// events and must not start threads of its own.
CodecHandle OpenDecoder(const AVStream& stream) {
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (codec == nullptr) {
        return nullptr;
    }
    CodecHandle context(avcodec_alloc_context3(codec));
    if (!context || avcodec_parameters_to_context(context.get(), stream.codecpar) < 0) {
        return nullptr;
    }
    context->thread_count = 1;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) {
        return nullptr;
    }
    return context;
}

TimeMs CeilMs(int64_t value, AVRational time_base) {
    return av_rescale_q_rnd(value, time_base, kMilliseconds,
                            static_cast<AVRounding>(AV_ROUND_UP | AV_ROUND_PASS_MINMAX));
}

}  // namespace

void MovieDecoder::QuietLibraryLog() {
    av_log_set_level(AV_LOG_QUIET);
}

MovieDecoder::MovieDecoder(const std::filesystem::path& file, SoundSink sound)
    : name_(file.string()),
      sound_sink_(std::move(sound)),
      packet_(av_packet_alloc()),
      ahead_(av_frame_alloc()),
      due_(av_frame_alloc()),
      sound_frame_(av_frame_alloc()) {
    if (!packet_ || !ahead_ || !due_ || !sound_frame_) {
        throw std::bad_alloc();
    }
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, name_.c_str(), nullptr, nullptr) < 0) {
        RaiseInvalidFileFormat();
    }
    format_.reset(opened);
    if (avformat_find_stream_info(opened, nullptr) < 0) {
        RaiseInvalidFileFormat();
    }
    video_stream_ = av_find_best_stream(opened, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video_stream_ < 0) {
        RaiseInvalidFileFormat();
    }
    AVStream& video = *opened->streams[video_stream_];
    video_ = OpenDecoder(video);
    if (!video_) {
        RaiseInvalidFileFormat();
    }
    width_ = video_->width;
    height_ = video_->height;
    if (width_ <= 0 || height_ <= 0 || width_ > kLargestSide || height_ > kLargestSide) {
        RaiseInvalidFileFormat();
    }
    const AVRational rate = av_guess_frame_rate(opened, &video, nullptr);
    if (rate.num > 0 && rate.den > 0) {
        frame_ms_ = std::max<TimeMs>(1, av_rescale(1000, rate.den, rate.num));
    }
    if (opened->duration > 0) {
        duration_ = CeilMs(opened->duration, AV_TIME_BASE_Q);
    } else if (video.duration > 0) {
        duration_ = CeilMs(video.duration, video.time_base);
    } else if (video.nb_frames > 0) {
        duration_ = video.nb_frames * frame_ms_;
    }
    duration_ = std::max<TimeMs>(1, duration_);

    // A sound track we cannot decode leaves the movie silent rather than unplayable.
    const int track = av_find_best_stream(opened, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (track >= 0 && sound_sink_) {
        sound_ = OpenDecoder(*opened->streams[track]);
        if (sound_) {
            sound_stream_ = track;
        }
    }
}

PicturePtr MovieDecoder::FrameAt(TimeMs position) {
    bool moved = false;
    while (true) {
        if (!have_ahead_) {
            if (video_ended_ || !ReadNextVideoFrame()) {
                break;
            }
            have_ahead_ = true;
        }
        // Until the first frame is out, whatever comes first is shown.
        if (shown_ && FrameTime(*ahead_) > position) {
            break;
        }
        std::swap(due_, ahead_);
        have_ahead_ = false;
        shown_ = true;
        moved = true;
    }
    return moved ? Convert(*due_) : nullptr;
}

std::optional<TimeMs> MovieDecoder::NextFrameTime() {
    if (!have_ahead_ && !video_ended_) {
        have_ahead_ = ReadNextVideoFrame();
    }
    if (!have_ahead_) {
        return std::nullopt;
    }
    return FrameTime(*ahead_);
}

void MovieDecoder::Rewind() {
    const AVStream& video = *format_->streams[video_stream_];
    const int64_t start = video.start_time != AV_NOPTS_VALUE ? video.start_time : 0;
    av_seek_frame(format_.get(), video_stream_, start, AVSEEK_FLAG_BACKWARD);
    avcodec_flush_buffers(video_.get());
    if (sound_) {
        avcodec_flush_buffers(sound_.get());
    }
    have_ahead_ = false;
    video_ended_ = false;
    flushed_ = false;
    input_ended_ = false;
    video_packets_.clear();
    sound_samples_ = 0;
    shown_ = false;
    frames_read_ = 0;
}

bool MovieDecoder::ReadNextVideoFrame() {
    while (true) {
        const int received = avcodec_receive_frame(video_.get(), ahead_.get());
        if (received == 0) {
            ++frames_read_;
            return true;
        }
        // The end, or a decoder that has given up on damaged data: either way no more frames.
        if (received != AVERROR(EAGAIN) || flushed_) {
            video_ended_ = true;
            return false;
        }
        if (!video_packets_.empty()) {
            // A damaged packet is skipped; the frames around it still play.
            avcodec_send_packet(video_.get(), video_packets_.front().get());
            video_packets_.pop_front();
        } else if (!input_ended_) {
            ReadPacket();
        } else {
            // Drains the frames the decoder still holds.
            avcodec_send_packet(video_.get(), nullptr);
            flushed_ = true;
        }
    }
}

void MovieDecoder::ReadSoundAhead(TimeMs until) {
    while (sound_stream_ >= 0 && !input_ended_ && SoundRead() < until &&
           video_packets_.size() < kMostPacketsAhead) {
        ReadPacket();
    }
}

TimeMs MovieDecoder::SoundRead() const {
    return static_cast<TimeMs>(sound_samples_ * 1000 / MovieAudio::kFrequency);
}

void MovieDecoder::ReadPacket() {
    if (av_read_frame(format_.get(), packet_.get()) < 0) {
        input_ended_ = true;
        if (sound_stream_ >= 0) {
            avcodec_send_packet(sound_.get(), nullptr);
            ReceiveSound();
        }
        return;
    }
    if (packet_->stream_index == video_stream_) {
        PacketHandle kept(av_packet_alloc());
        if (!kept) {
            throw std::bad_alloc();
        }
        av_packet_move_ref(kept.get(), packet_.get());
        video_packets_.push_back(std::move(kept));
    } else if (packet_->stream_index == sound_stream_) {
        DecodeSound(*packet_);
    }
    av_packet_unref(packet_.get());
}

void MovieDecoder::DecodeSound(const AVPacket& packet) {
    if (avcodec_send_packet(sound_.get(), &packet) == 0) {
        ReceiveSound();
    }
}

void MovieDecoder::ReceiveSound() {
    while (sound_stream_ >= 0 && avcodec_receive_frame(sound_.get(), sound_frame_.get()) == 0) {
        const AVFrame& frame = *sound_frame_;
        if (!resample_) {
            AVChannelLayout in{};
            AVChannelLayout out{};
            // AVI sound tracks name no channel order; the count is all there is to go by.
            if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
                av_channel_layout_default(&in, frame.ch_layout.nb_channels);
            } else {
                av_channel_layout_copy(&in, &frame.ch_layout);
            }
            av_channel_layout_default(&out, MovieAudio::kChannels);
            SwrContext* context = nullptr;
            const bool made =
                swr_alloc_set_opts2(&context, &out, AV_SAMPLE_FMT_S16, MovieAudio::kFrequency, &in,
                                    static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0,
                                    nullptr) == 0;
            av_channel_layout_uninit(&in);
            av_channel_layout_uninit(&out);
            resample_.reset(context);
            if (!made || swr_init(context) < 0) {
                // Sound we cannot convert is dropped; the pictures go on.
                resample_.reset();
                sound_stream_ = -1;
                av_frame_unref(sound_frame_.get());
                return;
            }
        }
        const int room = swr_get_out_samples(resample_.get(), frame.nb_samples);
        if (room > 0) {
            std::vector<int16_t> samples(static_cast<std::size_t>(room) * MovieAudio::kChannels);
            auto* out = reinterpret_cast<uint8_t*>(samples.data());
            const int made =
                swr_convert(resample_.get(), &out, room,
                            const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
            if (made > 0) {
                sound_samples_ += static_cast<uint64_t>(made);
                sound_sink_(std::span<const int16_t>(
                    samples.data(), static_cast<std::size_t>(made) * MovieAudio::kChannels));
            }
        }
        av_frame_unref(sound_frame_.get());
    }
}

TimeMs MovieDecoder::FrameTime(const AVFrame& frame) {
    const AVStream& video = *format_->streams[video_stream_];
    if (frame.best_effort_timestamp == AV_NOPTS_VALUE) {
        return (frames_read_ - 1) * frame_ms_;
    }
    const int64_t start = video.start_time != AV_NOPTS_VALUE ? video.start_time : 0;
    return av_rescale_q(frame.best_effort_timestamp - start, video.time_base, kMilliseconds);
}

PicturePtr MovieDecoder::Convert(const AVFrame& frame) {
    scale_.reset(sws_getCachedContext(scale_.release(), frame.width, frame.height,
                                      static_cast<AVPixelFormat>(frame.format), width_, height_,
                                      AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scale_) {
        return nullptr;
    }
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width_) * height_);
    uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(pixels.data()), nullptr, nullptr, nullptr};
    const int strides[4] = {width_ * 4, 0, 0, 0};
    sws_scale(scale_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
    // Movies have no transparency; some conversions leave the alpha byte empty.
    for (uint32_t& pixel : pixels) {
        pixel |= 0xFF000000u;
    }
    return std::make_shared<const MovieFrame>(width_, height_, std::move(pixels), name_);
}

}  // namespace morvane::ffmpeg
