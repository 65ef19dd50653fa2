#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture_test_support.h"
#include "platform/animated_picture.h"
#include "platform/game_paths.h"
#include "platform/gif_writer.h"
#include "platform/picture_service.h"
#include "runtime_fixture.h"
#include "support/temp_folder.h"

namespace morvane::testing {

// A loaded main window on the virtual clock with a game folder the tests write GIFs into, and
// the picture service its controls load through.
class AnimatedPictureTest : public ::testing::Test {
  protected:
    AnimatedPictureTest() {
        runtime_.desktop.SetPictures(&pictures_);
        main_.Load();
    }

    // A GIF of full 8 x 8 frames, frame i painted with palette colour i + 1, each with its
    // delay in hundredths. Returns the path the game would build for it.
    std::string WriteFrames(const std::string& name, const std::vector<int>& delays_cs,
                            std::optional<uint16_t> repeat = 0) {
        std::vector<GifFrame> frames;
        for (std::size_t i = 0; i < delays_cs.size(); ++i) {
            frames.push_back(SolidFrame(0, 0, 8, 8, static_cast<uint8_t>(1 + i % 5)));
            frames.back().delay_cs = delays_cs[i];
        }
        GifImage image = ImageOf(8, 8, frames);
        image.repeat = repeat;
        folder_.Write("resource/gfx/" + name, EncodeGif(image));
        return GfxPath(name);
    }
    // Four frames of 100 ms, without a loop extension: browsers would play it once, the
    // control repeats it.
    std::string WriteAnimation(const std::string& name = "anim.gif") {
        return WriteFrames(name, {10, 10, 10, 10}, std::nullopt);
    }
    std::string GfxPath(const std::string& name) const { return paths_.GfxPath(name); }

    // Loads the file and lets the control read it.
    void LoadNow(AnimatedPicture& control, const std::string& path) {
        control.Load(path);
        runtime_.loop.PumpEvents();
    }

    // The frames reached by Step events while `ms` of virtual time pass.
    std::vector<int> StepsDuring(AnimatedPicture& control, TimeMs ms) {
        std::vector<int> frames;
        control.OnStep = [&] { frames.push_back(control.Frame()); };
        runtime_.loop.PassTime(ms);
        control.OnStep = nullptr;
        return frames;
    }

    PicturePtr NotFound() const {
        return pictures_.BuiltIns().BuiltInPicture(BuiltIn::kFileNotFound);
    }

    TempFolder folder_;
    GamePaths paths_{folder_.Path()};
    PictureService pictures_{paths_};
    Runtime runtime_;
    Window main_{runtime_.desktop, "Main"};
    AnimatedPicture animation_{main_, "Animation", 1};
};

}  // namespace morvane::testing
