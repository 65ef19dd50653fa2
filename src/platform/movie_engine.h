#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/clock.h"
#include "platform/picture.h"

namespace morvane {

// One opened movie file. Playback runs on the event loop's clock and tells its end through
// the handler; it never calls back while Play or Stop runs.
class MoviePlayback {
  public:
    virtual ~MoviePlayback() = default;

    // The movie's own size in pixels and how long it plays from start to end.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual TimeMs Duration() const = 0;

    // Plays on from where it stands; from the start when it stands at the end.
    virtual void Play() = 0;
    // Halts where it stands; nothing when it is not playing.
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
    // The game's volume value, passed on unchanged.
    virtual void SetVolume(int volume) = 0;

    // Called from the event loop when playing reaches the end (the playback has stopped).
    virtual void SetEndHandler(std::function<void()> on_end) = 0;

    // Called with the picture the movie shows, at once when there is one and again each time
    // the movie moves on to a new frame. An engine that shows nothing never calls it.
    virtual void SetFrameHandler(std::function<void(PicturePtr frame)> on_frame) {
        static_cast<void>(on_frame);
    }
};

// What opens movie files for the movie controls. The player gives the desktop one engine
// (a real decoder in a window, a header-reading one headless); platform code only sees this.
class MovieEngine {
  public:
    virtual ~MovieEngine() = default;

    // Opens the file the game names (a full path under the game folder, as the game builds
    // it). Raises a RuntimeError when it cannot: 53 for a missing file, 321 for one it cannot
    // play.
    virtual std::unique_ptr<MoviePlayback> Open(std::string_view file_name) = 0;
};

}  // namespace morvane
