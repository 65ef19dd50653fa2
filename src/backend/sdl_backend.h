#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "backend/backend.h"
#include "backend/loaded_movies.h"
#include "platform/sdl/canvas_message_box.h"
#include "platform/sdl/game_window.h"
#include "platform/sdl/sdl_clipboard.h"
#include "platform/sdl/sdl_image_decoder.h"
#include "platform/sdl/window_display.h"

namespace morvane {

class SdlAudio;

// How a run in a window looks and sounds.
struct SdlBackendOptions {
    sdl::WindowOptions window;
    // The master volume in percent over the game's own volumes, and the mute switch.
    int volume = 100;
    bool mute = false;
    // The General MIDI soundfont; none: MIDI music is silent.
    std::optional<std::filesystem::path> soundfont = SdlMusicDeviceDefaultSoundfont();
    // Said once when the sound device opens, when MIDI will be silent.
    std::optional<std::string> soundfont_warning;
    // The movies; unset: FFmpeg's, from the movies module when the first movie plays.
    MovieMaker movies;
    // Where the backend's one-line reports to the user go; standard error when empty.
    std::function<void(const std::string&)> notice;

    static std::filesystem::path SdlMusicDeviceDefaultSoundfont();
};

// A run in a window: the real clock sleeps in the window so that input wakes the player at
// once, the window is the user, message boxes are drawn in the canvas, the clipboard is the
// system's, sounds and music play on SDL_mixer and movies are decoded with FFmpeg. Without an
// audio driver the game still runs, with the headless bookkeeping devices keeping the sounds'
// timing, and movies play silent.
class SdlBackend final : public Backend {
  public:
    // Throws sdl::SdlError when no window can be opened.
    explicit SdlBackend(const SdlBackendOptions& options = {});
    ~SdlBackend() override;

    Clock& GetClock() override { return clock_; }
    InputSource* User() override { return &window_; }
    MessageBoxService* MessageBoxes() override { return &message_boxes_; }
    Clipboard& GetClipboard() override { return clipboard_; }
    Display* GetDisplay() override { return &display_; }
    const StillPictureDecoder& Stills() const override { return stills_; }

    MediaDevices MakeMedia(EventLoop& loop) override;
    std::unique_ptr<MovieEngine> MakeMovieEngine(EventLoop& loop, const GamePaths& paths) override;
    void Attach(Desktop& desktop) override;

    sdl::GameWindow& Window() { return window_; }
    // Whether the movies made so far are heard: an audio device could be opened for them.
    bool MoviesHeard() const;
    // The player's mute switch over everything the game plays (nothing without sound).
    void SetMuted(bool muted);
    bool Muted() const;

  private:
    void Notice(const std::string& line) const;

    SdlBackendOptions options_;
    // Made first and released last: the clock sleeps in it and the canvas boxes draw with it.
    sdl::GameWindow window_;
    SystemClock clock_;
    sdl::CanvasMessageBox message_boxes_;
    sdl::SdlClipboard clipboard_;
    sdl::WindowDisplay display_{window_};
    sdl::SdlImageDecoder stills_;
    std::unique_ptr<SdlAudio> audio_;
    bool movies_heard_ = false;
};

std::unique_ptr<SdlBackend> MakeSdlBackend(const SdlBackendOptions& options = {});

// The options of a window that needs nothing but its look.
inline SdlBackendOptions WindowOnly(const sdl::WindowOptions& window, MovieMaker movies = {}) {
    SdlBackendOptions options;
    options.window = window;
    options.movies = std::move(movies);
    return options;
}

// A window with its loop and desktop, for programs that show windows without a game: the
// window tests and the window benchmark.
struct WindowRuntime {
    explicit WindowRuntime(const sdl::WindowOptions& options = {}, MovieMaker movies = {})
        : backend(MakeSdlBackend(WindowOnly(options, std::move(movies)))),
          window(backend->Window()),
          core(*backend) {}

    std::unique_ptr<SdlBackend> backend;
    sdl::GameWindow& window;
    BackendDesktop core;
    EventLoop& loop = core.loop;
    Desktop& desktop = core.desktop;
};

}  // namespace morvane
