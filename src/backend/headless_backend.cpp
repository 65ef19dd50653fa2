#include "backend/backend.h"
#include "media/headless_movie_engine.h"
#include "media/headless_music_device.h"
#include "media/headless_sound_device.h"
#include "platform/sdl/sdl_image_decoder.h"

namespace morvane {
namespace {

class HeadlessBackend final : public Backend {
  public:
    Clock& GetClock() override { return clock_; }
    InputSource* User() override { return nullptr; }
    MessageBoxService* MessageBoxes() override { return nullptr; }
    Clipboard& GetClipboard() override { return clipboard_; }
    const StillPictureDecoder& Stills() const override { return stills_; }

    MediaDevices MakeMedia(EventLoop& loop) override {
        return {std::make_unique<HeadlessSoundDevice>(loop),
                std::make_unique<HeadlessMusicDevice>()};
    }
    std::unique_ptr<MovieEngine> MakeMovieEngine(EventLoop& loop, const GamePaths& paths) override {
        return std::make_unique<HeadlessMovieEngine>(loop, paths);
    }
    void Attach(Desktop&) override {}

  private:
    VirtualClock clock_;
    MemoryClipboard clipboard_;
    // SDL_image needs no display, so headless runs read the same pictures as the window.
    sdl::SdlImageDecoder stills_;
};

}  // namespace

std::unique_ptr<Backend> MakeHeadlessBackend() {
    return std::make_unique<HeadlessBackend>();
}

}  // namespace morvane
