#include "platform/picture_loader.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/gif_writer.h"
#include "platform/picture_test_support.h"
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

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

std::unique_ptr<SDL_Surface, SurfaceDeleter> ReferenceSurface() {
    std::unique_ptr<SDL_Surface, SurfaceDeleter> surface(
        SDL_CreateRGBSurfaceWithFormat(0, kSide, kSide, 32, SDL_PIXELFORMAT_ARGB8888));
    for (int y = 0; y < kSide; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                y * surface->pitch);
        for (int x = 0; x < kSide; ++x) {
            row[x] = Reference(x, y);
        }
    }
    return surface;
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
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

TEST_F(PictureLoaderTest, ReadsBmpAndPngExactly) {
    auto surface = ReferenceSurface();
    const auto bmp = folder_.Path() / "picture.bmp";
    const auto png = folder_.Path() / "picture.png";
    ASSERT_EQ(SDL_SaveBMP(surface.get(), bmp.string().c_str()), 0) << SDL_GetError();
    ASSERT_EQ(IMG_SavePNG(surface.get(), png.string().c_str()), 0) << SDL_GetError();
    ExpectReference(LoadPicture(bmp, &kStills), false);
    ExpectReference(LoadPicture(png, &kStills), false);
    EXPECT_EQ(LoadPicture(png, &kStills).picture->SourceName(), png.string());
}

TEST_F(PictureLoaderTest, ReadsJpegWithinItsLoss) {
    auto surface = ReferenceSurface();
    const auto jpg = folder_.Path() / "picture.jpg";
    ASSERT_EQ(IMG_SaveJPG(surface.get(), jpg.string().c_str(), 95), 0) << SDL_GetError();
    const PictureResult result = LoadPicture(jpg, &kStills);
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

TEST_F(PictureLoaderTest, ReadsIconsAndPicksTheLargestImage) {
    const auto path = folder_.Write(
        "item.ico", IconFile(1, {{4, IconBitmap(4, false)}, {kSide, IconBitmap(kSide, true)}}));
    const PictureResult result = LoadPicture(path, &kStills);
    ExpectReference(result, true);
    EXPECT_FALSE(result.picture->CursorHotSpot());
}

TEST_F(PictureLoaderTest, CursorKeepsItsHotSpot) {
    const auto path =
        folder_.Write("hand.cur", IconFile(2, {{kSide, IconBitmap(kSide, true), 5, 3}}));
    const PictureResult result = LoadPicture(path, &kStills);
    ExpectReference(result, true);
    ASSERT_TRUE(result.picture->CursorHotSpot());
    EXPECT_EQ(result.picture->CursorHotSpot()->x, 5);
    EXPECT_EQ(result.picture->CursorHotSpot()->y, 3);
}

TEST_F(PictureLoaderTest, CursorHotSpotOutsideThePictureIsKeptOnIt) {
    const auto path =
        folder_.Write("odd.cur", IconFile(2, {{kSide, IconBitmap(kSide, true), 300, 2}}));
    const PictureResult result = LoadPicture(path, &kStills);
    ASSERT_TRUE(result) << result.detail;
    EXPECT_EQ(result.picture->CursorHotSpot()->x, kSide - 1);
    EXPECT_EQ(result.picture->CursorHotSpot()->y, 2);
}

TEST_F(PictureLoaderTest, IconMayHoldAPngImage) {
    auto surface = ReferenceSurface();
    const auto png = folder_.Path() / "inner.png";
    ASSERT_EQ(IMG_SavePNG(surface.get(), png.string().c_str()), 0);
    const auto path = folder_.Write("modern.ico", IconFile(1, {{kSide, ReadAll(png)}}));
    ExpectReference(LoadPicture(path, &kStills), false);
}

TEST_F(PictureLoaderTest, FormatComesFromTheContentNotTheName) {
    auto surface = ReferenceSurface();
    const auto png_named_gif = folder_.Path() / "really-png.gif";
    ASSERT_EQ(IMG_SavePNG(surface.get(), png_named_gif.string().c_str()), 0);
    ExpectReference(LoadPicture(png_named_gif, &kStills), false);

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

TEST_F(PictureLoaderTest, UnreadableContentIsInvalidPicture) {
    auto surface = ReferenceSurface();
    const auto png = folder_.Path() / "whole.png";
    ASSERT_EQ(IMG_SavePNG(surface.get(), png.string().c_str()), 0);
    const std::string whole_png = ReadAll(png);
    const std::string cursor = IconFile(2, {{kSide, IconBitmap(kSide, true)}});
    const std::vector<std::pair<std::string, std::string>> broken{
        {"empty.gif", ""},
        {"text.gif", "not a picture at all"},
        {"cut.png", whole_png.substr(0, whole_png.size() / 2)},
        {"cut.bmp", std::string("BM") + std::string(10, '\0')},
        {"cut.jpg", "\xFF\xD8\xFF\xE0"},
        {"cut.cur", cursor.substr(0, 30)},
        {"wild.ico", IconFile(1, {{kSide, "xx"}}).substr(0, 14) + std::string(8, '\xFF')},
        {"picture.wmf", std::string("\xD7\xCD\xC6\x9A", 4) + std::string(40, '\0')},
    };
    for (const auto& [name, content] : broken) {
        const PictureResult result = LoadPicture(folder_.Write(name, content), &kStills);
        EXPECT_FALSE(result) << name;
        EXPECT_EQ(result.error, ErrorNumber::kInvalidPictureFormat) << name;
        EXPECT_THROW(result.ValueOrRaise(), RuntimeError) << name;
    }
}

TEST_F(PictureLoaderTest, HeadersClaimingHugeOrDamagedSizesAreRefusedBeforeDecoding) {
    auto surface = ReferenceSurface();
    const auto bmp = folder_.Path() / "source.bmp";
    const auto png = folder_.Path() / "source.png";
    const auto jpg = folder_.Path() / "source.jpg";
    ASSERT_EQ(SDL_SaveBMP(surface.get(), bmp.string().c_str()), 0);
    ASSERT_EQ(IMG_SavePNG(surface.get(), png.string().c_str()), 0);
    ASSERT_EQ(IMG_SaveJPG(surface.get(), jpg.string().c_str(), 90), 0);

    std::string huge_bmp = ReadAll(bmp);
    huge_bmp.replace(18, 8, "\xFF\xFF\x00\x00\xFF\xFF\x00\x00");  // 65535 x 65535
    std::string huge_png = ReadAll(png);
    huge_png.replace(16, 8, std::string("\x00\x01\x00\x00\x00\x01\x00\x00", 8));
    // Sides near four thousand million pixels, whose product overflowed the size check.
    std::string vast_png = ReadAll(png);
    vast_png.replace(16, 8, std::string("\xFF\xFF\xFF\xEF\xFF\xFF\xFF\x0C", 8));
    std::string huge_jpg = ReadAll(jpg);
    const std::size_t frame_header = huge_jpg.find("\xFF\xC0");
    ASSERT_NE(frame_header, std::string::npos);
    huge_jpg.replace(frame_header + 5, 4, "\xFF\xF0\xFF\xF0");
    // A chunk length running past the end of the file.
    std::string long_chunk = ReadAll(png);
    long_chunk[33] = '\x7F';
    for (const auto& [name, content] :
         std::vector<std::pair<std::string, std::string>>{{"huge.bmp", huge_bmp},
                                                          {"huge.png", huge_png},
                                                          {"vast.png", vast_png},
                                                          {"huge.jpg", huge_jpg},
                                                          {"long-chunk.png", long_chunk}}) {
        const PictureResult result = LoadPicture(folder_.Write(name, content), &kStills);
        EXPECT_FALSE(result) << name;
        EXPECT_EQ(result.error, ErrorNumber::kInvalidPictureFormat) << name;
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
