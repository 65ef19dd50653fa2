#include "media/headless_movie_engine.h"

#include <algorithm>
#include <limits>

#include "base/runtime_error.h"
#include "media/avi_info.h"
#include "platform/event_loop.h"
#include "platform/game_paths.h"
#include "platform/timer.h"

namespace morvane {
namespace {

class HeadlessMoviePlayback final : public MoviePlayback {
  public:
    HeadlessMoviePlayback(EventLoop& loop, const AviInfo& info)
        : loop_(loop), info_(info), end_(loop) {
        end_.SetEnabled(false);
        end_.OnTimer = [this] { Ended(); };
    }

    int Width() const override { return info_.width; }
    int Height() const override { return info_.height; }
    TimeMs Duration() const override { return info_.duration; }

    void Play() override {
        if (playing_) {
            return;
        }
        if (position_ >= info_.duration) {
            position_ = 0;
        }
        playing_ = true;
        started_ = loop_.Now();
        const TimeMs rest = info_.duration - position_;
        end_.SetInterval(
            static_cast<int>(std::clamp<TimeMs>(rest, 1, std::numeric_limits<int>::max())));
        end_.SetEnabled(true);
    }

    void Stop() override {
        if (!playing_) {
            return;
        }
        position_ = std::min(info_.duration, position_ + (loop_.Now() - started_));
        playing_ = false;
        end_.SetEnabled(false);
    }

    bool IsPlaying() const override { return playing_; }
    void SetVolume(int) override {}
    void SetEndHandler(std::function<void()> on_end) override { on_end_ = std::move(on_end); }

  private:
    void Ended() {
        end_.SetEnabled(false);
        playing_ = false;
        position_ = info_.duration;
        if (on_end_) {
            on_end_();
        }
    }

    EventLoop& loop_;
    AviInfo info_;
    Timer end_;
    bool playing_ = false;
    TimeMs position_ = 0;
    TimeMs started_ = 0;
    std::function<void()> on_end_;
};

}  // namespace

HeadlessMovieEngine::HeadlessMovieEngine(EventLoop& loop, const GamePaths& paths)
    : loop_(loop), paths_(paths) {}

std::unique_ptr<MoviePlayback> HeadlessMovieEngine::Open(std::string_view file_name) {
    const auto file = paths_.Resolve(file_name);
    if (!file) {
        Raise(ErrorNumber::kFileNotFound);
    }
    return std::make_unique<HeadlessMoviePlayback>(loop_, ReadAviInfo(*file));
}

}  // namespace morvane
