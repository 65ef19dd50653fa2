#include "platform/animated_picture.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "base/runtime_error.h"
#include "platform/animated_picture_frame.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"
#include "platform/window.h"

namespace morvane {
namespace {

// GIFs that ask for no delay at all (or 1 hundredth) play at 10 frames a second in browsers,
// and authors drew them for that speed.
constexpr int kShortestDelayMs = 10;
constexpr int kDefaultDelayMs = 100;

Integer ClampToInteger(int value) {
    return static_cast<Integer>(std::min(value, int{std::numeric_limits<Integer>::max()}));
}

// Runs a handler from a copy, so a handler may replace itself.
void RaiseEvent(const std::function<void()>& handler) {
    if (handler) {
        auto run = handler;
        run();
    }
}

}  // namespace

AnimatedPicture::FrameTimer::FrameTimer(AnimatedPicture& owner)
    : Timer(owner.OwnerWindow().GetDesktop().Loop()), owner_(owner) {
    SetEnabled(false);
}

bool AnimatedPicture::FrameTimer::Active() const {
    return owner_.OwnerWindow().IsLoaded();
}

AnimatedPicture::AnimatedPicture(Control& parent, std::string name, int index)
    : Control(parent, ControlKind::kAnimatedPicture, std::move(name), index), timer_(*this) {
    timer_.OnTimer = [this] { Advance(); };
}

AnimatedPicture::~AnimatedPicture() = default;

std::string AnimatedPicture::PictureFileName() const {
    return PictureFile() ? PictureFile()->SourceName() : std::string();
}

void AnimatedPicture::SetPictureFile(PicturePtr picture) {
    ++requests_;
    Show(std::move(picture));
}

void AnimatedPicture::SetPictureFile(std::string_view path) {
    if (path.empty()) {
        SetPictureFile(PicturePtr());
        return;
    }
    PictureResult result = Read(path);
    SetPictureFile(result ? std::move(result.picture) : NotFoundPicture());
}

PictureResult AnimatedPicture::Read(std::string_view path) const {
    Desktop& desktop = OwnerWindow().GetDesktop();
    if (!desktop.HasPictures()) {
        return PictureResult::Failure(ErrorNumber::kFileNotFound, "no picture service");
    }
    return desktop.Pictures().Load(path);
}

PicturePtr AnimatedPicture::NotFoundPicture() const {
    Desktop& desktop = OwnerWindow().GetDesktop();
    return desktop.HasPictures()
               ? desktop.Pictures().BuiltIns().BuiltInPicture(BuiltIn::kFileNotFound)
               : nullptr;
}

void AnimatedPicture::Load(std::string_view path) {
    const uint64_t request = ++requests_;
    std::weak_ptr<char> alive = alive_;
    OwnerWindow().GetDesktop().Loop().Post([this, alive, request, file = std::string(path)] {
        if (!alive.expired()) {
            FinishLoad(request, file);
        }
    });
}

void AnimatedPicture::FinishLoad(uint64_t request, const std::string& path) {
    // Overtaken by a newer load or picture: the file need not even be read.
    if (request == requests_) {
        PictureResult result = Read(path);
        if (result) {
            load_error_.reset();
            Show(std::move(result.picture));
        } else {
            load_error_ = result.error;
            Show(NotFoundPicture());
        }
    }
    RaiseEvent(OnReadFinished);
}

void AnimatedPicture::Show(PicturePtr picture) {
    Halt();
    frame_ = 0;
    direction_ = 1;
    frame_pictures_.clear();
    if (auto_size_) {
        Move(Left(), Top(), picture ? picture->Width() : 0, picture ? picture->Height() : 0);
    }
    Control::SetPicture(std::move(picture));
}

int AnimatedPicture::Frames() const {
    return PictureFile() ? PictureFile()->FrameCount() : 0;
}

Integer AnimatedPicture::FrameCount() const {
    return ClampToInteger(Frames());
}

Integer AnimatedPicture::PictureWidth() const {
    return ClampToInteger(PictureFile() ? PictureFile()->Width() : 0);
}

Integer AnimatedPicture::PictureHeight() const {
    return ClampToInteger(PictureFile() ? PictureFile()->Height() : 0);
}

int AnimatedPicture::DelayOf(int frame) const {
    const int delay = PictureFile()->FrameDelayMs(frame);
    return delay <= kShortestDelayMs ? kDefaultDelayMs : delay;
}

Integer AnimatedPicture::Frame() const {
    return ClampToInteger(frame_);
}

void AnimatedPicture::SetFrame(Integer frame) {
    frame_ = std::clamp<int>(frame, 0, std::max(Frames() - 1, 0));
    Changed();
    if (playing_) {
        timer_.SetInterval(DelayOf(frame_));
    }
}

void AnimatedPicture::SetPlaybackMode(Integer mode) {
    if (mode < kForward || mode > kBackAndForth) {
        Raise(ErrorNumber::kInvalidPropertyValue);
    }
    playback_mode_ = mode;
    direction_ = 1;
}

PicturePtr AnimatedPicture::FramePicture() const {
    const int frames = Frames();
    if (frames == 0) {
        return nullptr;
    }
    if (frame_pictures_.size() != static_cast<std::size_t>(frames)) {
        frame_pictures_.assign(static_cast<std::size_t>(frames), nullptr);
    }
    PicturePtr& cached = frame_pictures_[static_cast<std::size_t>(frame_)];
    if (!cached) {
        cached = MakeFramePicture(PictureFile(), frame_);
    }
    return cached;
}

void AnimatedPicture::Start() {
    const bool one_pass = anim_flag_ || single_pass_ != 0;
    if (playing_) {
        // The running animation ends with the pass it is in.
        if (anim_flag_) {
            one_pass_ = true;
            anim_flag_ = false;
        }
        return;
    }
    anim_flag_ = false;
    if (Frames() < 2) {
        return;
    }
    playing_ = true;
    one_pass_ = one_pass;
    timer_.SetInterval(DelayOf(frame_));
    timer_.SetEnabled(true);
}

void AnimatedPicture::Stop() {
    Halt();
}

void AnimatedPicture::Halt() {
    playing_ = false;
    timer_.SetEnabled(false);
}

void AnimatedPicture::WindowLoaded() {
    if (playing_) {
        timer_.Restart();
    }
}

void AnimatedPicture::Advance() {
    const int frames = Frames();
    if (!playing_ || frames < 2) {
        Halt();
        return;
    }
    bool pass_ended = false;
    switch (playback_mode_) {
        case kBackward:
            frame_ = frame_ == 0 ? frames - 1 : frame_ - 1;
            pass_ended = frame_ == 0;
            break;
        case kBackAndForth:
            if (frame_ + direction_ < 0 || frame_ + direction_ >= frames) {
                direction_ = -direction_;
            }
            frame_ += direction_;
            pass_ended = frame_ == 0 && direction_ < 0;
            break;
        default:
            frame_ = frame_ + 1 >= frames ? 0 : frame_ + 1;
            pass_ended = frame_ == frames - 1;
            break;
    }
    Changed();
    const bool finished = one_pass_ && pass_ended;
    if (finished) {
        Halt();
    } else {
        timer_.SetInterval(DelayOf(frame_));
    }
    RaiseEvent(OnStep);
    if (finished) {
        RaiseEvent(OnPlayFinished);
    }
}

}  // namespace morvane
