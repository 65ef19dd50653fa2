#include "media/ffmpeg/ffmpeg_movie_engine.h"

#include <algorithm>
#include <limits>
#include <span>
#include <vector>

#include "base/runtime_error.h"
#include "media/ffmpeg/movie_audio.h"
#include "media/ffmpeg/movie_decoder.h"
#include "media/media_errors.h"
#include "platform/event_loop.h"
#include "platform/game_paths.h"
#include "platform/timer.h"

namespace morvane {
namespace {

using ffmpeg::MovieAudio;
using ffmpeg::MovieDecoder;

class FfmpegMoviePlayback final : public MoviePlayback {
  public:
    FfmpegMoviePlayback(EventLoop& loop, const std::filesystem::path& file,
                        std::shared_ptr<MovieAudio> audio)
        : loop_(loop),
          audio_(std::move(audio)),
          decoder_(file, [this](std::span<const int16_t> samples) { TakeSound(samples); }),
          timer_(loop) {
        timer_.SetEnabled(false);
        timer_.OnTimer = [this] { Tick(); };
        frame_ = decoder_.FrameAt(0);
    }

    ~FfmpegMoviePlayback() override {
        if (audio_ != nullptr) {
            audio_->Release(this);
        }
    }

    int Width() const override { return decoder_.Width(); }
    int Height() const override { return decoder_.Height(); }
    TimeMs Duration() const override { return decoder_.Duration(); }

    void Play() override {
        if (playing_) {
            return;
        }
        if (position_ >= Duration()) {
            Rewind();
        }
        playing_ = true;
        started_ = loop_.Now() - position_;
        if (audio_ != nullptr) {
            audio_->Claim(this);
            audio_->SetVolume(volume_);
            audio_->Queue(held_sound_);
            held_sound_.clear();
            ReadSoundAhead();
            audio_->SetPaused(false);
        }
        Schedule();
    }

    void Stop() override {
        if (!playing_) {
            return;
        }
        position_ = std::min(Duration(), loop_.Now() - started_);
        Halt();
    }

    bool IsPlaying() const override { return playing_; }

    void SetVolume(int volume) override {
        volume_ = volume;
        if (audio_ != nullptr && playing_) {
            audio_->SetVolume(volume);
        }
    }

    void SetEndHandler(std::function<void()> on_end) override { on_end_ = std::move(on_end); }

    void SetFrameHandler(std::function<void(PicturePtr)> on_frame) override {
        on_frame_ = std::move(on_frame);
        if (on_frame_ && frame_) {
            on_frame_(frame_);
        }
    }

  private:
    static constexpr TimeMs kSoundAhead = 300;

    // The device gets its sound a little before it is due, so a late tick is not heard.
    void ReadSoundAhead() {
        if (audio_ != nullptr) {
            decoder_.ReadSoundAhead(position_ + kSoundAhead);
        }
    }

    // Sound read while the movie stands still waits here until it plays on.
    void TakeSound(std::span<const int16_t> samples) {
        if (audio_ == nullptr) {
            return;
        }
        if (playing_) {
            audio_->Queue(samples);
        } else {
            held_sound_.insert(held_sound_.end(), samples.begin(), samples.end());
        }
    }

    void Tick() {
        position_ = std::min(Duration(), loop_.Now() - started_);
        Show(decoder_.FrameAt(position_));
        ReadSoundAhead();
        if (position_ >= Duration()) {
            Halt();
            if (on_end_) {
                on_end_();
            }
            return;
        }
        Schedule();
    }

    // Wakes when the next frame is due, or at the end when no frame is left.
    void Schedule() {
        const TimeMs next = std::min(decoder_.NextFrameTime().value_or(Duration()), Duration());
        const TimeMs wait =
            std::clamp<TimeMs>(next - position_, 1, std::numeric_limits<int>::max());
        timer_.SetInterval(static_cast<int>(wait));
        timer_.SetEnabled(true);
    }

    void Halt() {
        playing_ = false;
        timer_.SetEnabled(false);
        if (audio_ != nullptr) {
            audio_->SetPaused(true);
        }
    }

    void Rewind() {
        decoder_.Rewind();
        held_sound_.clear();
        if (audio_ != nullptr) {
            audio_->Release(this);
        }
        position_ = 0;
        Show(decoder_.FrameAt(0));
    }

    void Show(PicturePtr frame) {
        if (!frame) {
            return;
        }
        frame_ = std::move(frame);
        if (on_frame_) {
            on_frame_(frame_);
        }
    }

    EventLoop& loop_;
    // Shared with the engine when the engine owns it: a playback may outlive its engine.
    std::shared_ptr<MovieAudio> audio_;
    MovieDecoder decoder_;
    Timer timer_;
    std::vector<int16_t> held_sound_;
    PicturePtr frame_;
    bool playing_ = false;
    TimeMs position_ = 0;
    TimeMs started_ = 0;
    int volume_ = 0;
    std::function<void()> on_end_;
    std::function<void(PicturePtr)> on_frame_;
};

}  // namespace

FfmpegMovieEngine::FfmpegMovieEngine(EventLoop& loop, const GamePaths& paths,
                                     ffmpeg::MovieAudio* audio)
    // Not owned: the caller keeps it alive longer than every playback.
    : FfmpegMovieEngine(loop, paths,
                        std::shared_ptr<ffmpeg::MovieAudio>(std::shared_ptr<void>(), audio)) {}

FfmpegMovieEngine::FfmpegMovieEngine(EventLoop& loop, const GamePaths& paths,
                                     std::shared_ptr<ffmpeg::MovieAudio> audio)
    : loop_(loop), paths_(paths), audio_(std::move(audio)) {
    MovieDecoder::QuietLibraryLog();
}

std::unique_ptr<MoviePlayback> FfmpegMovieEngine::Open(std::string_view file_name) {
    const auto file = paths_.Resolve(file_name);
    if (!file) {
        Raise(ErrorNumber::kFileNotFound);
    }
    RequireMediaFile(*file);
    return std::make_unique<FfmpegMoviePlayback>(loop_, *file, audio_);
}

}  // namespace morvane
