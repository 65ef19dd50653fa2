#include "platform/picture_loader.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <optional>

#include "platform/gif_writer.h"
#include "platform/picture_test_support.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_image_decoder.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using namespace morvane::testing;

constexpr int kSide = 8;

// The still formats are decoded as every backend decodes them.
const sdl::SdlImageDecoder kStills;

using testing::ErrorNumberOf;

// The reference image every format stores: left half red, right half blue, top-left corner
// green.
uint32_t Reference(int x, int y) {
    if (x == 0 && y == 0) {
        return kGreenPixel;
    }
    return x < kSide / 2 ? kRedPixel : kBluePixel;
}

void PutU16(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}
void PutU32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

// The image data of one icon entry: a 32-bit bottom-up bitmap of the reference image (or a
// plain colour) with its AND mask, the top-left pixel masked out.
std::string IconBitmap(int side, bool reference) {
    std::string out;
    PutU32(out, 40);
    PutU32(out, static_cast<uint32_t>(side));
    PutU32(out, static_cast<uint32_t>(2 * side));  // colour rows plus mask rows
    PutU16(out, 1);
    PutU16(out, 32);
    for (int i = 0; i < 6; ++i) {
        PutU32(out, 0);
    }
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; ++x) {
            const bool clear = x == 0 && y == 0;
            const uint32_t color = reference ? Reference(x, y) : kYellowPixel;
            PutU32(out, clear ? 0u : color);
        }
    }
    const int mask_row_bytes = ((side + 31) / 32) * 4;
    for (int y = side - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(mask_row_bytes), '\0');
        if (y == 0) {
            row[0] = static_cast<char>(0x80);
        }
        out += row;
    }
    return out;
}

// The bytes with some of them, from `at` on, written over.
std::string Patched(std::string bytes, std::size_t at, const std::string& with) {
    return bytes.replace(at, with.size(), with);
}

struct IconEntry {
    int side;
    std::string data;
    int hot_x = 0;
    int hot_y = 0;
};

// An icon (type 1) or cursor (type 2) file with the given entries.
std::string IconFile(int type, const std::vector<IconEntry>& entries) {
    std::string out;
    PutU16(out, 0);
    PutU16(out, type);
    PutU16(out, static_cast<int>(entries.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
    for (const IconEntry& entry : entries) {
        out.push_back(static_cast<char>(entry.side % 256));
        out.push_back(static_cast<char>(entry.side % 256));
        out.push_back(0);
        out.push_back(0);
        PutU16(out, type == 2 ? entry.hot_x : 1);
        PutU16(out, type == 2 ? entry.hot_y : 32);
        PutU32(out, static_cast<uint32_t>(entry.data.size()));
        PutU32(out, offset);
        offset += static_cast<uint32_t>(entry.data.size());
    }
    for (const IconEntry& entry : entries) {
        out += entry.data;
    }
    return out;
}

class PictureLoaderTest : public ::testing::Test {
  protected:
    // The reference image as the image library writes it in a format ("bmp", "png", "jpg").
    std::string Saved(const std::string& format) {
        const sdl::SurfaceHandle surface(
            SDL_CreateRGBSurfaceWithFormat(0, kSide, kSide, 32, SDL_PIXELFORMAT_ARGB8888));
        for (int y = 0; y < kSide; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                    y * surface->pitch);
            for (int x = 0; x < kSide; ++x) {
                row[x] = Reference(x, y);
            }
        }
        const auto path = folder_.Path() / ("saved." + format);
        const int failed = format == "bmp"   ? SDL_SaveBMP(surface.get(), path.c_str())
                           : format == "png" ? IMG_SavePNG(surface.get(), path.c_str())
                                             : IMG_SaveJPG(surface.get(), path.c_str(), 95);
        EXPECT_EQ(failed, 0) << SDL_GetError();
        return ReadWholeFile(path);
    }

    void ExpectReference(const PictureResult& result, bool transparent_corner) {
        ASSERT_TRUE(result) << result.detail;
        const Picture& picture = *result.picture;
        ASSERT_EQ(picture.Width(), kSide);
        ASSERT_EQ(picture.Height(), kSide);
        EXPECT_EQ(picture.FrameCount(), 1);
        const auto pixels = FramePixels(picture, 0);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const uint32_t expected =
                    (transparent_corner && x == 0 && y == 0) ? kClearPixel : Reference(x, y);
                EXPECT_EQ(pixels[static_cast<std::size_t>(y) * kSide + x], expected)
                    << x << "," << y;
            }
        }
    }

    TempFolder folder_;
};

// Every format the reference image is stored in reads back exactly; the largest image of an
// icon is taken, and a cursor's hot spot is kept on the picture.
TEST_F(PictureLoaderTest, ReadsEveryLosslessFormatExactly) {
    const struct {
        const char* name;
        std::string content;
        bool transparent_corner;
        std::optional<HotSpot> hot_spot;
    } cases[] = {
        {"picture.bmp", Saved("bmp"), false, std::nullopt},
        {"picture.png", Saved("png"), false, std::nullopt},
        {"modern.ico", IconFile(1, {{kSide, Saved("png")}}), false, std::nullopt},
        // The format comes from the content, not the name.
        {"really-png.gif", Saved("png"), false, std::nullopt},
        {"item.ico", IconFile(1, {{4, IconBitmap(4, false)}, {kSide, IconBitmap(kSide, true)}}),
         true, std::nullopt},
        {"hand.cur", IconFile(2, {{kSide, IconBitmap(kSide, true), 5, 3}}), true, HotSpot{5, 3}},
        {"odd.cur", IconFile(2, {{kSide, IconBitmap(kSide, true), 300, 2}}), true,
         HotSpot{kSide - 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder_.Write(c.name, c.content);
        const PictureResult result = LoadPicture(path, &kStills);
        ExpectReference(result, c.transparent_corner);
        ASSERT_TRUE(result);
        EXPECT_EQ(result.picture->SourceName(), path.string());
        const auto hot_spot = result.picture->CursorHotSpot();
        ASSERT_EQ(hot_spot.has_value(), c.hot_spot.has_value());
        if (hot_spot) {
            EXPECT_EQ(hot_spot->x, c.hot_spot->x);
            EXPECT_EQ(hot_spot->y, c.hot_spot->y);
        }
    }
}

TEST_F(PictureLoaderTest, ReadsJpegWithinItsLoss) {
    const PictureResult result = LoadPicture(folder_.Write("picture.jpg", Saved("jpg")), &kStills);
    ASSERT_TRUE(result) << result.detail;
    ASSERT_EQ(result.picture->Width(), kSide);
    const auto pixels = FramePixels(*result.picture, 0);
    auto near = [](uint32_t a, uint32_t b) {
        for (int shift = 0; shift < 32; shift += 8) {
            if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                         static_cast<int>((b >> shift) & 0xFF)) > 48) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(near(pixels[static_cast<std::size_t>(kSide) * kSide - 1], kBluePixel));
    EXPECT_TRUE(near(pixels[static_cast<std::size_t>(kSide - 1) * kSide + 1], kRedPixel));
}

TEST_F(PictureLoaderTest, AGifNamedLikeAnotherFormatIsReadAsAGif) {
    const auto gif_named_bmp = folder_.Write(
        "really-gif.bmp",
        EncodeGif(ImageOf(2, 2, {SolidFrame(0, 0, 2, 2, 1), SolidFrame(0, 0, 1, 1, 2)})));
    const PictureResult gif = LoadPicture(gif_named_bmp, &kStills);
    ASSERT_TRUE(gif) << gif.detail;
    EXPECT_EQ(gif.picture->FrameCount(), 2);
}

TEST_F(PictureLoaderTest, MissingFileIsFileNotFound) {
    for (const auto& path : {folder_.Path() / "absent.gif", folder_.Path()}) {
        const PictureResult result = LoadPicture(path, &kStills);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, ErrorNumber::kFileNotFound);
        EXPECT_EQ(ErrorNumberOf([&] { result.ValueOrRaise(); }), 53);
    }
}

// Unreadable content, and headers claiming huge or damaged sizes, which are refused before
// decoding.
TEST_F(PictureLoaderTest, UnreadableContentIsInvalidPicture) {
    const std::string png = Saved("png");
    const std::string jpg = Saved("jpg");
    const std::size_t frame_header = jpg.find("\xFF\xC0");
    ASSERT_NE(frame_header, std::string::npos);
    const std::string cursor = IconFile(2, {{kSide, IconBitmap(kSide, true)}});
    const std::pair<std::string, std::string> broken[] = {
        {"empty.gif", ""},
        {"text.gif", "not a picture at all"},
        {"cut.png", png.substr(0, png.size() / 2)},
        {"cut.bmp", std::string("BM") + std::string(10, '\0')},
        {"cut.jpg", "\xFF\xD8\xFF\xE0"},
        {"cut.cur", cursor.substr(0, 30)},
        {"wild.ico", IconFile(1, {{kSide, "xx"}}).substr(0, 14) + std::string(8, '\xFF')},
        {"picture.wmf", std::string("\xD7\xCD\xC6\x9A", 4) + std::string(40, '\0')},
        // 65535 x 65535.
        {"huge.bmp", Patched(Saved("bmp"), 18, std::string("\xFF\xFF\x00\x00\xFF\xFF\x00\x00", 8))},
        {"huge.png", Patched(png, 16, std::string("\x00\x01\x00\x00\x00\x01\x00\x00", 8))},
        // Sides near four thousand million pixels, whose product overflowed the size check.
        {"vast.png", Patched(png, 16, "\xFF\xFF\xFF\xEF\xFF\xFF\xFF\x0C")},
        {"huge.jpg", Patched(jpg, frame_header + 5, "\xFF\xF0\xFF\xF0")},
        // A chunk length running past the end of the file.
        {"long-chunk.png", Patched(png, 33, "\x7F")},
    };
    for (const auto& [name, content] : broken) {
        const PictureResult result = LoadPicture(folder_.Write(name, content), &kStills);
        EXPECT_FALSE(result) << name;
        EXPECT_EQ(result.error, ErrorNumber::kInvalidPictureFormat) << name;
        EXPECT_THROW(result.ValueOrRaise(), RuntimeError) << name;
    }
}

TEST(PictureFormatDetection, RecognisesEachFormatByItsFirstBytes) {
    EXPECT_EQ(DetectPictureFormat(Bytes("GIF89a...")), PictureFormat::kGif);
    EXPECT_EQ(DetectPictureFormat(Bytes("GIF87a...")), PictureFormat::kGif);
    EXPECT_EQ(DetectPictureFormat(Bytes("BM....")), PictureFormat::kBmp);
    EXPECT_EQ(DetectPictureFormat(Bytes("\xFF\xD8\xFF\xE0")), PictureFormat::kJpeg);
    EXPECT_EQ(DetectPictureFormat(Bytes("\x89PNG\r\n\x1A\n")), PictureFormat::kPng);
    EXPECT_EQ(DetectPictureFormat(Bytes(std::string("\0\0\1\0", 4))), PictureFormat::kIcon);
    EXPECT_EQ(DetectPictureFormat(Bytes(std::string("\0\0\2\0", 4))), PictureFormat::kCursor);
    EXPECT_EQ(DetectPictureFormat(Bytes("GIF")), PictureFormat::kUnknown);
    EXPECT_EQ(DetectPictureFormat(Bytes("")), PictureFormat::kUnknown);
}

}  // namespace
}  // namespace morvane
