#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/runtime_error.h"
#include "flow/builtin_look.h"

namespace morvane::testing {
namespace {

std::vector<uint32_t> Frame(const PicturePtr& picture, int frame) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(picture->Width()) * picture->Height());
    picture->CopyFrameArgb(frame, pixels.data());
    return pixels;
}

// How many pixels of a frame are light enough to be lettering on the dark faces.
int LightPixels(const PicturePtr& picture, int frame) {
    int light = 0;
    for (uint32_t p : Frame(picture, frame)) {
        const int r = (p >> 16) & 0xFF;
        const int g = (p >> 8) & 0xFF;
        const int b = p & 0xFF;
        light += ((p >> 24) > 0x80 && r + g + b > 600) ? 1 : 0;
    }
    return light;
}

TEST(BuiltInLookTest, MenuButtonsHaveAHighlightedAndANormalFrameWithTheirCaption) {
    const BuiltInLook look;
    for (int button = 1; button <= 5; ++button) {
        SCOPED_TRACE(button);
        const PicturePtr picture = look.MenuButton(button);
        ASSERT_EQ(picture->FrameCount(), 2);
        EXPECT_EQ(picture->Width(), 200);
        EXPECT_EQ(picture->Height(), 50);
        EXPECT_NE(Frame(picture, 0), Frame(picture, 1));
        EXPECT_GT(LightPixels(picture, 1), 40);
        EXPECT_EQ(picture, look.MenuButton(button));
    }
    // Each caption is its own: no two buttons look alike.
    EXPECT_NE(Frame(look.MenuButton(2), 1), Frame(look.MenuButton(3), 1));
    EXPECT_THROW(look.MenuButton(6), RuntimeError);
}

TEST(BuiltInLookTest, LongerCaptionsCoverMoreOfTheirButton) {
    const BuiltInLook look;
    // "Quit" against "Menu Scene".
    EXPECT_LT(LightPixels(look.MenuButton(5), 1), LightPixels(look.MenuButton(4), 1));
}

TEST(BuiltInLookTest, GameFrameLeavesTheSceneViewBlackAndFramesIt) {
    const BuiltInLook look;
    const PicturePtr frame = look.GameFrame();
    ASSERT_EQ(frame->Width(), 800);
    ASSERT_EQ(frame->Height(), 600);
    const std::vector<uint32_t> pixels = Frame(frame, 0);
    const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * 800 + x]; };
    EXPECT_EQ(at(48 + 350, 56 + 200), 0xFF000000u);
    EXPECT_EQ(at(48, 56), 0xFF000000u);
    EXPECT_NE(at(44, 300), 0xFF000000u);
    EXPECT_NE(at(20, 300), at(44, 300));
}

TEST(BuiltInLookTest, EngineLogoAnimatesAndEndsOnItsFinishedMark) {
    const BuiltInLook look;
    const PicturePtr logo = look.EngineLogo();
    ASSERT_GT(logo->FrameCount(), 2);
    const int last = logo->FrameCount() - 1;
    EXPECT_NE(Frame(logo, 0), Frame(logo, last));
    EXPECT_GT(logo->FrameDelayMs(last), logo->FrameDelayMs(0));
    EXPECT_GT(LightPixels(logo, last), LightPixels(logo, 0));
}

// Every picture promises its size and frames before it is drawn; drawing keeps the promise.
TEST(BuiltInLookTest, EveryPictureIsDrawnAsPromised) {
    const BuiltInLook look;
    std::vector<PicturePtr> all{
        look.EngineLogo(),    look.MenuBackground(),     look.GameFrame(),
        look.InventoryBar(),  look.MainMenuButton(),     look.SaveButton(),
        look.ExamineButton(), look.SmallScorePlate(),    look.LargeScorePlate(),
        look.StatusPanel(),   look.QuitQueryBackground()};
    for (int n = 1; n <= 5; ++n) {
        all.push_back(look.MenuButton(n));
    }
    for (int n = 1; n <= 4; ++n) {
        all.push_back(look.QuitAnswer(n));
    }
    for (const PicturePtr& picture : all) {
        for (int frame = 0; frame < picture->FrameCount(); ++frame) {
            EXPECT_NO_THROW(Frame(picture, frame));
        }
    }
}

TEST(BuiltInLookTest, QuitAnswersComeInHighlightedAndNormalLooks) {
    const BuiltInLook look;
    for (int answer = 1; answer <= 4; ++answer) {
        EXPECT_EQ(look.QuitAnswer(answer)->Width(), 88);
    }
    EXPECT_NE(Frame(look.QuitAnswer(1), 0), Frame(look.QuitAnswer(2), 0));
    EXPECT_NE(Frame(look.QuitAnswer(2), 0), Frame(look.QuitAnswer(4), 0));
}

}  // namespace
}  // namespace morvane::testing
