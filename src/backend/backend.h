#pragma once

#include <memory>

#include "media/sound_device.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/input_source.h"
#include "platform/message_box.h"
#include "platform/movie_engine.h"
#include "platform/still_picture_decoder.h"

namespace morvane {

class GamePaths;

// The sound channels and the music of a run.
struct MediaDevices {
    std::unique_ptr<SoundDevice> sound;
    std::unique_ptr<MusicDevice> music;
};

// What a run plays on, chosen once where the player is assembled: the clock, the user's input,
// the message boxes the user answers, the clipboard, the sound, music and movie devices and the
// decoder of still pictures. Headless (MakeHeadlessBackend) there is no window and no audio
// device, and the clock is virtual; in a window (MakeSdlBackend) everything is real. Nothing
// below the player knows which one it runs on.
class Backend {
  public:
    virtual ~Backend() = default;

    virtual Clock& GetClock() = 0;
    // The user when no script is: the window's input. Headless nobody.
    virtual InputSource* User() = 0;
    // The message boxes the user answers in the window. Headless none: there the boxes are
    // printed and answered by the script.
    virtual MessageBoxService* MessageBoxes() = 0;
    virtual Clipboard& GetClipboard() = 0;
    // The screen the game window is on, for the display check. Headless none: there is no
    // screen to fill.
    virtual Display* GetDisplay() { return nullptr; }
    virtual const StillPictureDecoder& Stills() const = 0;

    // Made when the run's loop exists; the backend outlives them.
    virtual MediaDevices MakeMedia(EventLoop& loop) = 0;
    virtual std::unique_ptr<MovieEngine> MakeMovieEngine(EventLoop& loop,
                                                         const GamePaths& paths) = 0;

    // Shows `desktop` in the window and makes the window the input of its loop.
    virtual void Attach(Desktop& desktop) = 0;
};

// No window, no audio device, a virtual clock; the bookkeeping devices keep the media's timing.
std::unique_ptr<Backend> MakeHeadlessBackend();

// The loop and the desktop on a backend, wired the one way every run wires them: the loop runs
// on the backend's clock and takes the user's input from its window, the desktop shows message
// boxes the backend's way (or through `message_boxes` when given, which a headless backend
// needs) and uses its clipboard. The game's windows are made on the desktop after this and
// destroyed before it.
struct BackendDesktop {
    explicit BackendDesktop(Backend& backend, MessageBoxService* message_boxes = nullptr);
    BackendDesktop(const BackendDesktop&) = delete;
    BackendDesktop& operator=(const BackendDesktop&) = delete;

    EventLoop loop;
    Desktop desktop;
};

}  // namespace morvane
