#pragma once

#include "engine/main_view.h"
#include "platform/movie_control.h"

namespace morvane {

// The scene movie as the engine drives it, played by the main window's movie control: its
// "playing" and "stopped" mode reports become the engine's OnPlaying and OnStopped.
class MovieControlScreen final : public MovieScreen {
  public:
    explicit MovieControlScreen(MovieControl& control);

    void Open(const std::string& path) override;
    int NativeWidth() const override { return control_.MovieWidth(); }
    int NativeHeight() const override { return control_.MovieHeight(); }
    void Place(int left, int top, int width, int height) override;
    void Play(Integer volume) override;
    void Stop() override { control_.SetCommand("stop"); }
    void Close() override;

  private:
    MovieControl& control_;
};

}  // namespace morvane
