#include "platform/movie_control.h"

#include "base/runtime_error.h"
#include "base/text.h"
#include "platform/desktop.h"
#include "platform/window.h"

namespace morvane {

MovieControl::MovieControl(Control& parent, std::string name, int index)
    : Control(parent, ControlKind::kMovie, std::move(name), index),
      self_(std::make_shared<MovieControl*>(this)) {}

MovieControl::~MovieControl() {
    *self_ = nullptr;
}

void MovieControl::SetFileName(std::string file_name) {
    Close();
    if (file_name.empty()) {
        return;
    }
    MovieEngine* engine = OwnerWindow().GetDesktop().GetMovieEngine();
    if (engine == nullptr) {
        Raise(ErrorNumber::kDeviceUnavailable);
    }
    auto playback = engine->Open(file_name);
    playback->SetVolume(volume_);
    playback->SetEndHandler([this] { ChangeMode(kModeStopped); });
    // The frame becomes the control's picture, so the window draws it like any picture.
    playback->SetFrameHandler([this](PicturePtr frame) { SetPicture(std::move(frame)); });
    Move(Left(), Top(), playback->Width(), playback->Height());
    playback_ = std::move(playback);
    file_name_ = std::move(file_name);
    mode_ = kModeStopped;
}

void MovieControl::SetCommand(std::string command) {
    const std::string verb = ToLowerAscii(Trim(command));
    command_ = std::move(command);
    if (verb == "play") {
        if (!playback_) {
            Raise(ErrorNumber::kIllegalFunctionCall);
        }
        if (!playback_->IsPlaying()) {
            playback_->Play();
            ChangeMode(kModePlaying);
        }
    } else if (verb == "stop") {
        if (playback_ && playback_->IsPlaying()) {
            playback_->Stop();
            ChangeMode(kModeStopped);
        }
    } else if (verb == "close") {
        Close();
    } else {
        Raise(ErrorNumber::kIllegalFunctionCall);
    }
}

std::string MovieControl::Mode() const {
    switch (mode_) {
        case kModePlaying:
            return "playing";
        case kModeStopped:
            return "stopped";
        default:
            return "not ready";
    }
}

void MovieControl::SetVolume(int volume) {
    volume_ = volume;
    if (playback_) {
        playback_->SetVolume(volume);
    }
}

void MovieControl::Close() {
    playback_.reset();
    if (Picture()) {
        SetPicture(nullptr);
    }
    file_name_.clear();
    mode_ = kModeNotReady;
}

void MovieControl::ChangeMode(int mode) {
    mode_ = mode;
    const std::string text = Mode();
    OwnerWindow().GetDesktop().Loop().Post([self = self_, text, mode] {
        // A handler may destroy the control, so each one runs from a copy and the control is
        // looked up again before the next.
        if (*self == nullptr) {
            return;
        }
        if (auto handler = (*self)->OnModeChange) {
            handler(text);
        }
        if (*self == nullptr) {
            return;
        }
        if (auto handler = (*self)->OnModeChangeEx) {
            handler(mode);
        }
    });
}

}  // namespace morvane
