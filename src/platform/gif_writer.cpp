#include "platform/gif_writer.h"

#include <gif_lib.h>

#include <array>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace morvane {
namespace {

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColorMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// giflib takes only power-of-two colour tables of at least two entries.
ColorMap MakeColorMap(const std::vector<GifColor>& palette) {
    if (palette.empty()) {
        return nullptr;
    }
    if (palette.size() > 256) {
        throw std::invalid_argument("a GIF palette holds at most 256 colours");
    }
    int size = 2;
    while (size < static_cast<int>(palette.size())) {
        size *= 2;
    }
    std::vector<GifColorType> colors(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colors[i] = GifColorType{palette[i].red, palette[i].green, palette[i].blue};
    }
    ColorMap map(GifMakeMapObject(size, colors.data()));
    if (!map) {
        throw std::bad_alloc();
    }
    return map;
}

int WriteToString(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

// Closes the file on every path, which also writes the trailer.
class Encoder {
  public:
    explicit Encoder(std::string& out) {
        int error = 0;
        gif_ = EGifOpen(&out, WriteToString, &error);
        if (gif_ == nullptr) {
            throw std::runtime_error("cannot start a GIF");
        }
        EGifSetGifVersion(gif_, true);
    }
    ~Encoder() {
        if (gif_ != nullptr) {
            int error = 0;
            EGifCloseFile(gif_, &error);
        }
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    GifFileType* Get() const { return gif_; }

    void Close() {
        int error = 0;
        const int result = EGifCloseFile(gif_, &error);
        gif_ = nullptr;
        Check(result);
    }

    static void Check(int result) {
        if (result == GIF_ERROR) {
            throw std::runtime_error("giflib could not write the GIF");
        }
    }

  private:
    GifFileType* gif_ = nullptr;
};

void PutLoopExtension(GifFileType* gif, uint16_t repeat) {
    Encoder::Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
    Encoder::Check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"));
    const std::array<uint8_t, 3> block{1, static_cast<uint8_t>(repeat & 0xFF),
                                       static_cast<uint8_t>(repeat >> 8)};
    Encoder::Check(EGifPutExtensionBlock(gif, 3, block.data()));
    Encoder::Check(EGifPutExtensionTrailer(gif));
}

void PutFrame(GifFileType* gif, const GifFrame& frame, bool has_global_palette) {
    if (frame.width <= 0 || frame.height <= 0 ||
        frame.indices.size() != static_cast<std::size_t>(frame.width) * frame.height) {
        throw std::invalid_argument("frame pixels do not match its rectangle");
    }
    if (frame.local_palette.empty() && !has_global_palette) {
        throw std::invalid_argument("a frame needs a palette");
    }
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = frame.disposal;
    gcb.UserInputFlag = false;
    gcb.DelayTime = frame.delay_cs;
    gcb.TransparentColor = frame.transparent ? *frame.transparent : NO_TRANSPARENT_COLOR;
    std::array<GifByteType, 4> extension{};
    const std::size_t length = EGifGCBToExtension(&gcb, extension.data());
    Encoder::Check(
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension.data()));

    const ColorMap local = MakeColorMap(frame.local_palette);
    if (!local && gif->Image.ColorMap != nullptr) {
        // giflib forgets the previous frame's local palette without freeing it when the next
        // frame has none.
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    Encoder::Check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height,
                                    frame.interlaced, local.get()));
    std::vector<int> rows;
    if (frame.interlaced) {
        static constexpr std::array<int, 4> kStart{0, 4, 2, 1};
        static constexpr std::array<int, 4> kStep{8, 8, 4, 2};
        for (std::size_t pass = 0; pass < kStart.size(); ++pass) {
            for (int y = kStart[pass]; y < frame.height; y += kStep[pass]) {
                rows.push_back(y);
            }
        }
    } else {
        for (int y = 0; y < frame.height; ++y) {
            rows.push_back(y);
        }
    }
    // giflib masks the line it is given in place, so it gets a copy.
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.width));
    for (int y : rows) {
        const auto first = frame.indices.begin() + static_cast<std::ptrdiff_t>(y) * frame.width;
        std::copy(first, first + frame.width, line.begin());
        Encoder::Check(EGifPutLine(gif, line.data(), frame.width));
    }
}

}  // namespace

std::string EncodeGif(const GifImage& image) {
    if (image.frames.empty() || image.width <= 0 || image.height <= 0) {
        throw std::invalid_argument("a GIF needs a size and at least one frame");
    }
    std::string out;
    Encoder encoder(out);
    const ColorMap global = MakeColorMap(image.global_palette);
    Encoder::Check(EGifPutScreenDesc(encoder.Get(), image.width, image.height, 8, image.background,
                                     global.get()));
    if (image.repeat) {
        PutLoopExtension(encoder.Get(), *image.repeat);
    }
    for (const GifFrame& frame : image.frames) {
        PutFrame(encoder.Get(), frame, global != nullptr);
    }
    encoder.Close();
    return out;
}

bool WriteGif(const std::filesystem::path& path, const GifImage& image) {
    const std::string bytes = EncodeGif(image);
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace morvane
