#include "platform/gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "platform/picture_store.h"

namespace morvane {
namespace {

// Bounds that keep a hostile or damaged file from taking the player's memory or time: game
// pictures are at most a screen large, so these are generous.
constexpr long long kMaxCanvasPixels = 16LL * 1024 * 1024;
constexpr long long kMaxFramePixels = 64LL * 1024 * 1024;
constexpr long long kMaxCompositedPixels = 2LL * 1024 * 1024 * 1024;  // canvas x frames
constexpr std::size_t kMaxStoredBytes = 256u * 1024 * 1024;

constexpr int kDefaultDelayCs = 10;

struct MemoryReader {
    std::span<const uint8_t> bytes;
    std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int wanted) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    if (wanted <= 0) {
        return 0;
    }
    const std::size_t left = reader->bytes.size() - reader->position;
    const std::size_t count = std::min(left, static_cast<std::size_t>(wanted));
    if (count == 0) {
        return 0;
    }
    std::memcpy(out, reader->bytes.data() + reader->position, count);
    reader->position += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

struct Rect {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;  // exclusive
    int y1 = 0;
};

// The colours one frame draws with: entries it must not draw (transparent, or beyond the colour
// table) are marked so the canvas shows through.
struct FrameColors {
    std::array<uint32_t, 256> argb{};
    std::array<bool, 256> draws{};
};

FrameColors MakeFrameColors(const ColorMapObject* map, int transparent) {
    FrameColors colors;
    if (map == nullptr || map->Colors == nullptr) {
        return colors;
    }
    const int count = std::clamp(map->ColorCount, 0, 256);
    for (int i = 0; i < count; ++i) {
        const GifColorType& c = map->Colors[i];
        colors.argb[i] = 0xFF000000u | (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
        colors.draws[i] = true;
    }
    if (transparent >= 0 && transparent < 256) {
        colors.draws[transparent] = false;
    }
    return colors;
}

int DelayMs(int hundredths) {
    return 10 * (hundredths <= 1 ? kDefaultDelayCs : hundredths);
}

class Compositor {
  public:
    Compositor(int width, int height)
        : width_(width),
          height_(height),
          canvas_(static_cast<std::size_t>(width) * height, 0),
          builder_(width, height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    CompactPictureBuilder& Builder() { return builder_; }

    // Starts a frame covering the given rectangle (clipped to the canvas).
    void BeginFrame(int left, int top, int width, int height, int disposal) {
        frame_ = Rect{std::clamp(left, 0, width_), std::clamp(top, 0, height_),
                      std::clamp(left + width, 0, width_), std::clamp(top + height, 0, height_)};
        disposal_ = disposal;
        if (disposal_ == DISPOSE_PREVIOUS) {
            saved_.clear();
            for (int y = frame_.y0; y < frame_.y1; ++y) {
                const uint32_t* row = Row(y);
                saved_.insert(saved_.end(), row + frame_.x0, row + frame_.x1);
            }
        }
    }

    // Draws one decoded row; `canvas_y` and `left` are in canvas coordinates.
    void DrawRow(int canvas_y, int left, const GifPixelType* line, int length,
                 const FrameColors& colors) {
        if (canvas_y < frame_.y0 || canvas_y >= frame_.y1) {
            return;
        }
        uint32_t* row = Row(canvas_y);
        const int first = std::max(frame_.x0, left);
        const int last = std::min(frame_.x1, left + length);
        for (int x = first; x < last; ++x) {
            const GifPixelType index = line[x - left];
            if (colors.draws[index]) {
                row[x] = colors.argb[index];
            }
        }
    }

    // Keeps the finished frame and disposes of it for the next one.
    void EndFrame(int delay_ms) {
        builder_.AddFrame(canvas_.data(), delay_ms);
        if (disposal_ == DISPOSE_BACKGROUND) {
            // Browsers clear to transparent rather than to the background colour.
            for (int y = frame_.y0; y < frame_.y1; ++y) {
                std::fill(Row(y) + frame_.x0, Row(y) + frame_.x1, 0u);
            }
        } else if (disposal_ == DISPOSE_PREVIOUS) {
            auto source = saved_.begin();
            const int w = frame_.x1 - frame_.x0;
            for (int y = frame_.y0; y < frame_.y1; ++y) {
                std::copy(source, source + w, Row(y) + frame_.x0);
                source += w;
            }
        }
    }

  private:
    uint32_t* Row(int y) { return canvas_.data() + static_cast<std::size_t>(y) * width_; }

    int width_;
    int height_;
    std::vector<uint32_t> canvas_;
    std::vector<uint32_t> saved_;
    Rect frame_;
    int disposal_ = DISPOSAL_UNSPECIFIED;
    CompactPictureBuilder builder_;
};

std::optional<int> ReadLoopExtension(GifFileType* gif, GifByteType* first_block, bool& failed) {
    std::optional<int> repeat;
    const bool is_loop_block = first_block != nullptr && first_block[0] == 11 &&
                               (std::memcmp(first_block + 1, "NETSCAPE2.0", 11) == 0 ||
                                std::memcmp(first_block + 1, "ANIMEXTS1.0", 11) == 0);
    GifByteType* block = nullptr;
    while (true) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            failed = true;
            return repeat;
        }
        if (block == nullptr) {
            return repeat;
        }
        if (is_loop_block && !repeat && block[0] >= 3 && block[1] == 1) {
            repeat = block[2] | (block[3] << 8);
        }
    }
}

// Reads the extension's blocks; fills `gcb` when it is a graphic control extension.
bool ReadExtension(GifFileType* gif, std::optional<GraphicsControlBlock>& gcb,
                   std::optional<int>& repeat) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return false;
    }
    if (code == APPLICATION_EXT_FUNC_CODE) {
        bool failed = false;
        if (auto found = ReadLoopExtension(gif, block, failed); found && !repeat) {
            repeat = found;
        }
        return !failed;
    }
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock parsed{};
        if (DGifExtensionToGCB(block[0], block + 1, &parsed) == GIF_OK) {
            gcb = parsed;
        }
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

class GifReader {
  public:
    GifReader(GifFileType* gif, std::string source_name)
        : gif_(gif), source_name_(std::move(source_name)) {}

    PictureResult Read() {
        while (!damaged_) {
            GifRecordType type = UNDEFINED_RECORD_TYPE;
            if (DGifGetRecordType(gif_, &type) == GIF_ERROR) {
                damaged_ = true;
                break;
            }
            if (type == TERMINATE_RECORD_TYPE) {
                break;
            }
            if (type == EXTENSION_RECORD_TYPE) {
                damaged_ = !ReadExtension(gif_, gcb_, repeat_);
            } else if (type == IMAGE_DESC_RECORD_TYPE) {
                if (auto failure = ReadFrame()) {
                    return *failure;
                }
            }
        }
        if (!compositor_ || compositor_->Builder().FrameCount() == 0) {
            return PictureResult::Failure(ErrorNumber::kInvalidPictureFormat,
                                          "no readable frame in GIF " + source_name_);
        }
        CompactPictureBuilder& builder = compositor_->Builder();
        builder.SetLoopCount(!repeat_ ? 1 : (*repeat_ == 0 ? 0 : *repeat_ + 1));
        builder.SetSourceName(source_name_);
        return PictureResult::Success(builder.Build());
    }

  private:
    std::optional<PictureResult> TooLarge() const {
        return PictureResult::Failure(ErrorNumber::kInvalidPictureFormat,
                                      "GIF too large to decode: " + source_name_);
    }

    std::optional<PictureResult> ReadFrame() {
        if (DGifGetImageDesc(gif_) == GIF_ERROR) {
            damaged_ = true;
            return std::nullopt;
        }
        const GifImageDesc& desc = gif_->Image;
        const long long frame_pixels = static_cast<long long>(desc.Width) * desc.Height;
        if (desc.Width <= 0 || desc.Height <= 0 || desc.Left < 0 || desc.Top < 0) {
            damaged_ = true;
            return std::nullopt;
        }
        if (frame_pixels > kMaxFramePixels) {
            return TooLarge();
        }
        if (!compositor_) {
            // A logical screen of zero size takes the first frame's extent, as browsers do.
            const int width = gif_->SWidth > 0 ? gif_->SWidth : desc.Left + desc.Width;
            const int height = gif_->SHeight > 0 ? gif_->SHeight : desc.Top + desc.Height;
            if (static_cast<long long>(width) * height > kMaxCanvasPixels) {
                return TooLarge();
            }
            compositor_.emplace(width, height);
        }
        const long long canvas_pixels =
            static_cast<long long>(compositor_->Width()) * compositor_->Height();
        if (canvas_pixels * (compositor_->Builder().FrameCount() + 1) > kMaxCompositedPixels) {
            return TooLarge();
        }

        const GraphicsControlBlock gcb = gcb_.value_or(
            GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR});
        gcb_.reset();
        const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif_->SColorMap;
        const FrameColors colors = MakeFrameColors(map, gcb.TransparentColor);

        compositor_->BeginFrame(desc.Left, desc.Top, desc.Width, desc.Height, gcb.DisposalMode);
        line_.resize(static_cast<std::size_t>(desc.Width));
        static constexpr std::array<int, 4> kPassStart{0, 4, 2, 1};
        static constexpr std::array<int, 4> kPassStep{8, 8, 4, 2};
        const int passes = desc.Interlace ? 4 : 1;
        for (int pass = 0; pass < passes && !damaged_; ++pass) {
            const int start = desc.Interlace ? kPassStart[pass] : 0;
            const int step = desc.Interlace ? kPassStep[pass] : 1;
            for (int y = start; y < desc.Height; y += step) {
                if (DGifGetLine(gif_, line_.data(), desc.Width) == GIF_ERROR) {
                    // Keep the rows that arrived; nothing after them can be trusted.
                    damaged_ = true;
                    break;
                }
                compositor_->DrawRow(desc.Top + y, desc.Left, line_.data(), desc.Width, colors);
            }
        }
        compositor_->EndFrame(DelayMs(gcb.DelayTime));
        if (compositor_->Builder().MemoryBytes() > kMaxStoredBytes) {
            return TooLarge();
        }
        return std::nullopt;
    }

    GifFileType* gif_;
    std::string source_name_;
    std::optional<Compositor> compositor_;
    std::optional<GraphicsControlBlock> gcb_;
    std::optional<int> repeat_;
    std::vector<GifPixelType> line_;
    bool damaged_ = false;
};

}  // namespace

PictureResult DecodeGif(std::span<const uint8_t> bytes, std::string source_name) {
    MemoryReader reader{bytes, 0};
    int error = 0;
    GifHandle gif(DGifOpen(&reader, ReadFromMemory, &error));
    if (!gif) {
        const char* reason = GifErrorString(error);
        return PictureResult::Failure(ErrorNumber::kInvalidPictureFormat,
                                      std::string("not a readable GIF (") +
                                          (reason != nullptr ? reason : "unknown error") +
                                          "): " + source_name);
    }
    return GifReader(gif.get(), std::move(source_name)).Read();
}

}  // namespace morvane
