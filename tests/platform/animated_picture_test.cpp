#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "animated_picture_test_fixture.h"
#include "platform/control_array.h"

namespace morvane {
namespace {

using namespace morvane::testing;

using AnimatedPictureLoadTest = AnimatedPictureTest;

TEST_F(AnimatedPictureLoadTest, EveryLoadFinishesOnceOnALaterPump) {
    const std::string good = WriteFrames("lamp.gif", {10, 10, 10});
    folder_.Write("resource/gfx/broken.gif", "GIF89a but not really");
    int finished = 0;
    animation_.OnReadFinished = [&] { ++finished; };

    animation_.Load(good);
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(animation_.FrameCount(), 0);
    runtime_.loop.PumpEvents();
    runtime_.loop.PumpEvents();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(animation_.FrameCount(), 3);
    EXPECT_EQ(animation_.PictureWidth(), 8);
    EXPECT_FALSE(animation_.LoadError());

    // A missing, a damaged and a forbidden file end the same way, showing the placeholder.
    const struct {
        std::string path;
        ErrorNumber error;
    } failures[] = {{GfxPath("gone.gif"), ErrorNumber::kFileNotFound},
                    {GfxPath("broken.gif"), ErrorNumber::kInvalidPictureFormat},
                    {paths_.GameFolder() + "..\\lamp.gif", ErrorNumber::kFileNotFound}};
    for (const auto& failure : failures) {
        LoadNow(animation_, failure.path);
        runtime_.loop.PumpEvents();
        EXPECT_EQ(animation_.LoadError(), failure.error) << failure.path;
        EXPECT_EQ(animation_.PictureFile(), NotFound());
    }
    EXPECT_EQ(finished, 4);
}

TEST_F(AnimatedPictureLoadTest, OvertakenLoadStillFinishesButTheNewestPictureWins) {
    const std::string first = WriteFrames("first.gif", {10, 10});
    const std::string second = WriteFrames("second.gif", {10, 10, 10});
    int finished = 0;
    animation_.OnReadFinished = [&] { ++finished; };

    animation_.Load(first);
    animation_.Load(second);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(animation_.FrameCount(), 3);

    // A picture copied in while a load is pending is not replaced when the load ends.
    AnimatedPicture placeholder(main_, "FNF");
    placeholder.SetPictureFile(NotFound());
    animation_.Load(first);
    animation_.SetPictureFile(placeholder.PictureFile());
    runtime_.loop.PumpEvents();
    EXPECT_EQ(finished, 3);
    EXPECT_EQ(animation_.PictureFile(), NotFound());
    // Overtaken loads were never read.
    EXPECT_EQ(runtime_.desktop.Pictures().Cache().DecodeCount(), 1);
}

TEST_F(AnimatedPictureLoadTest, SceneWaitForTwentyLoadsEndsAndDecodesOnce) {
    const std::string path = WriteAnimation("crowd.gif");
    ControlArray<AnimatedPicture> slots(main_, "Animation", 20);
    int loads_finished = 0;
    slots.ForEach([&](AnimatedPicture& slot, int) {
        slot.OnReadFinished = [&] { ++loads_finished; };
        slot.Load(path);
    });
    EXPECT_TRUE(runtime_.loop.WaitUntil([&] { return loads_finished == 20; }, 5000));
    EXPECT_EQ(pictures_.Cache().DecodeCount(), 1);
    slots.ForEach([&](AnimatedPicture& slot, int) {
        EXPECT_EQ(slot.PictureFile(), slots(1).PictureFile());
        EXPECT_EQ(slot.FrameCount(), 4);
    });
}

TEST_F(AnimatedPictureLoadTest, ControlGoneBeforeItsLoadEndedIsLeftAlone) {
    int finished = 0;
    auto doomed = std::make_unique<AnimatedPicture>(main_, "Doomed");
    doomed->OnReadFinished = [&] { ++finished; };
    doomed->Load(WriteAnimation());
    doomed.reset();
    runtime_.loop.PumpEvents();
    EXPECT_EQ(finished, 0);
}

TEST_F(AnimatedPictureLoadTest, PictureFileCopiesShareThePictureAndEmptyClears) {
    LoadNow(animation_, WriteFrames("door.gif", {10, 10}));
    animation_.Move(40, 50);
    EXPECT_EQ(animation_.Bounds(), (Rect{40, 50, 8, 8}));
    EXPECT_NE(animation_.PictureFileName().find("door.gif"), std::string::npos);

    AnimatedPicture copy(main_, "Copy");
    copy.SetPictureFile(animation_.PictureFile());
    EXPECT_EQ(copy.PictureFile(), animation_.PictureFile());

    animation_.SetPictureFile("");
    EXPECT_EQ(animation_.PictureFile(), nullptr);
    EXPECT_EQ(animation_.FrameCount(), 0);
    EXPECT_EQ(animation_.Width(), 0);
    EXPECT_EQ(animation_.FramePicture(), nullptr);

    // Named directly, a file is read at once and raises no ReadFinished.
    int finished = 0;
    copy.OnReadFinished = [&] { ++finished; };
    copy.SetPictureFile(GfxPath("DOOR.GIF"));
    EXPECT_EQ(copy.FrameCount(), 2);
    copy.SetPictureFile(GfxPath("nothing.gif"));
    EXPECT_EQ(copy.PictureFile(), NotFound());
    runtime_.loop.PumpEvents();
    EXPECT_EQ(finished, 0);
}

TEST_F(AnimatedPictureLoadTest, FramePictureShowsTheCurrentFrame) {
    LoadNow(animation_, WriteAnimation());
    const PicturePtr whole = animation_.PictureFile();
    for (Integer frame = 0; frame < animation_.FrameCount(); ++frame) {
        animation_.SetFrame(frame);
        const PicturePtr still = animation_.FramePicture();
        ASSERT_TRUE(still);
        EXPECT_EQ(still->FrameCount(), 1);
        EXPECT_EQ(FramePixels(*still, 0), FramePixels(*whole, frame));
        EXPECT_EQ(animation_.FramePicture(), still);
    }
    animation_.SetFrame(0);
    EXPECT_NE(FramePixels(*animation_.FramePicture(), 0), FramePixels(*whole, 3));

    LoadNow(animation_, WriteFrames("still.gif", {0}));
    EXPECT_EQ(animation_.FramePicture(), animation_.PictureFile());
}

TEST(PictureServiceTest, ResolvesGamePathsAndIsReachedThroughTheDesktop) {
    TempFolder folder;
    folder.Write("resource/Gfx/Lamp.GIF", EncodeGif(ImageOf(4, 4, {SolidFrame(0, 0, 4, 4, 2)})));
    GamePaths paths(folder.Path());
    PictureService pictures(paths);
    const PictureResult found = pictures.Load(paths.GameFolder() + "resource\\gfx\\lamp.gif");
    ASSERT_TRUE(found);
    EXPECT_EQ(PixelAt(*found.picture, 0, 0, 0), kGreenPixel);
    EXPECT_EQ(pictures.Load("resource/gfx/lamp.gif").picture, found.picture);
    EXPECT_EQ(pictures.Load("resource\\gfx\\none.gif").error, ErrorNumber::kFileNotFound);
    EXPECT_EQ(pictures.Cache().DecodeCount(), 1);

    Runtime runtime;
    EXPECT_FALSE(runtime.desktop.HasPictures());
    EXPECT_THROW(runtime.desktop.Pictures(), std::logic_error);
    runtime.desktop.SetPictures(&pictures);
    EXPECT_EQ(&runtime.desktop.Pictures(), &pictures);
}

}  // namespace
}  // namespace morvane
