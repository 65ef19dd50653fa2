#include "platform/picture_cache.h"

#include <gtest/gtest.h>

#include "picture_test_support.h"
#include "platform/gif_writer.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using namespace morvane::testing;

class PictureCacheTest : public ::testing::Test {
  protected:
    // A GIF of `frames` full frames of a 32 x 32 picture.
    std::filesystem::path WriteGif(const std::string& name, int frames, uint8_t first = 1) {
        std::vector<GifFrame> all;
        for (int i = 0; i < frames; ++i) {
            all.push_back(SolidFrame(0, 0, 32, 32, static_cast<uint8_t>((first + i) % 6)));
        }
        return folder_.Write(name, EncodeGif(ImageOf(32, 32, all)));
    }

    TempFolder folder_;
};

TEST_F(PictureCacheTest, SameFileGivesTheSamePictureDecodedOnce) {
    PictureCache cache;
    const auto path = WriteGif("lamp.gif", 3);
    const PicturePtr first = cache.Get(path).picture;
    ASSERT_TRUE(first);
    for (int control = 0; control < 20; ++control) {
        EXPECT_EQ(cache.Get(path).picture, first);
    }
    // Another spelling of the same file is the same entry.
    EXPECT_EQ(cache.Get(folder_.Path() / "." / "lamp.gif").picture, first);
    EXPECT_EQ(cache.DecodeCount(), 1);
    EXPECT_EQ(cache.MemoryBytes(), first->MemoryBytes());
}

TEST_F(PictureCacheTest, ChangedFileIsDecodedAgain) {
    PictureCache cache;
    const auto path = WriteGif("door.gif", 1);
    const PicturePtr before = cache.Get(path).picture;
    WriteGif("door.gif", 4);
    const PicturePtr after = cache.Get(path).picture;
    ASSERT_TRUE(after);
    EXPECT_NE(after, before);
    EXPECT_EQ(after->FrameCount(), 4);
    EXPECT_EQ(cache.DecodeCount(), 2);
    EXPECT_EQ(cache.MemoryBytes(), after->MemoryBytes());
}

TEST_F(PictureCacheTest, FailuresAreReportedAndNotKept) {
    PictureCache cache;
    const auto path = folder_.Path() / "later.gif";
    EXPECT_EQ(cache.Get(path).error, ErrorNumber::kFileNotFound);
    folder_.Write("later.gif", "garbage");
    EXPECT_EQ(cache.Get(path).error, ErrorNumber::kInvalidPictureFormat);
    WriteGif("later.gif", 1);
    EXPECT_TRUE(cache.Get(path));
    std::filesystem::remove(path);
    EXPECT_EQ(cache.Get(path).error, ErrorNumber::kFileNotFound);
    EXPECT_EQ(cache.MemoryBytes(), 0u);
}

TEST_F(PictureCacheTest, LeastRecentlyUsedPicturesGoFirstUnderTheBound) {
    const auto a = WriteGif("a.gif", 8, 1);
    const auto b = WriteGif("b.gif", 8, 2);
    const auto c = WriteGif("c.gif", 8, 3);
    std::size_t one = 0;
    {
        PictureCache probe;
        one = probe.Get(a).picture->MemoryBytes();
    }
    // Room for two of the three pictures.
    PictureCache cache(2 * one + one / 2);
    cache.Get(a);
    cache.Get(b);
    cache.Get(a);  // b is now the least recently used
    cache.Get(c);
    EXPECT_LE(cache.MemoryBytes(), cache.MaxBytes());
    EXPECT_EQ(cache.DecodeCount(), 3);
    cache.Get(a);
    cache.Get(c);
    EXPECT_EQ(cache.DecodeCount(), 3);
    cache.Get(b);
    EXPECT_EQ(cache.DecodeCount(), 4);
    EXPECT_LE(cache.MemoryBytes(), cache.MaxBytes());
}

TEST_F(PictureCacheTest, DroppedPictureStillShownIsReturnedWithoutDecoding) {
    const auto a = WriteGif("a.gif", 8, 1);
    const auto b = WriteGif("b.gif", 8, 2);
    PictureCache cache(1);  // keeps only the picture asked for last
    const PicturePtr shown = cache.Get(a).picture;
    cache.Get(b);
    EXPECT_EQ(cache.MemoryBytes(), cache.Get(b).picture->MemoryBytes());
    // The control still holds it: the picture is alive and keeps its identity.
    EXPECT_EQ(cache.Get(a).picture, shown);
    EXPECT_EQ(cache.DecodeCount(), 2);
}

}  // namespace
}  // namespace morvane
