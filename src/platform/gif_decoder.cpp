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
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
    PictureRect ToPicture() const { return {x0, y0, x1 - x0, y1 - y0}; }
};

Rect Union(const Rect& a, const Rect& b) {
    if (a.Empty()) {
        return b;
    }
    if (b.Empty()) {
        return a;
    }
    return Rect{std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1),
                std::max(a.y1, b.y1)};
}

// The colours one frame draws with: entries it must not draw (transparent, or beyond the colour
// table) are marked so the canvas shows through.
struct FrameColors {
    std::array<uint32_t, 256> argb{};
    std::array<bool, 256> draws{};
    bool draws_all = false;  // every entry draws: no pixel lets the canvas show through
    bool local = false;      // the frame's own colour table
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
    colors.draws_all =
        std::all_of(colors.draws.begin(), colors.draws.end(), [](bool d) { return d; });
    return colors;
}

int DelayMs(int hundredths) {
    return 10 * (hundredths <= 1 ? kDefaultDelayCs : hundredths);
}

constexpr uint32_t kClear = 0;

// The colours of a canvas kept as 8-bit entries: at most 256, each in one entry for as long as
// the canvas may show it. A colour keeps the entry of its index in the colour table that
// brought it when that entry is free, so a frame drawn with the global table copies its indices
// as they are.
class CanvasPalette {
  public:
    CanvasPalette() { lookup_.fill(kEmpty); }

    const uint32_t* Colors() const { return colors_.data(); }

    // The entry of `color`: entry `preferred` when it already holds it or is free, else any
    // entry holding it, else any free one. -1 when every entry holds another colour.
    int Place(uint32_t color, int preferred) {
        if (preferred >= 0 && preferred < 256) {
            if (taken_[preferred] && colors_[preferred] == color) {
                return preferred;
            }
            if (!taken_[preferred]) {
                Take(preferred, color);
                return preferred;
            }
        }
        if (const int found = Find(color); found >= 0) {
            return found;
        }
        while (free_from_ < 256 && taken_[free_from_]) {
            ++free_from_;
        }
        if (free_from_ == 256) {
            return -1;
        }
        const int entry = free_from_;
        Take(entry, color);
        return entry;
    }

    // Frees every entry `in_use` does not mark.
    void Keep(const std::array<bool, 256>& in_use) {
        lookup_.fill(kEmpty);
        for (int i = 0; i < 256; ++i) {
            taken_[i] = in_use[i] && taken_[i];
            if (taken_[i]) {
                Remember(i);
            }
        }
        free_from_ = 0;
    }

  private:
    static constexpr std::size_t kSlots = 1024;
    static constexpr int16_t kEmpty = -1;
    static std::size_t Hash(uint32_t color) { return (color * 0x9E3779B1u) >> 22; }

    int Find(uint32_t color) const {
        for (std::size_t slot = Hash(color);; slot = (slot + 1) & (kSlots - 1)) {
            const int entry = lookup_[slot];
            if (entry == kEmpty) {
                return -1;
            }
            if (colors_[entry] == color) {
                return entry;
            }
        }
    }

    void Take(int entry, uint32_t color) {
        taken_[entry] = true;
        colors_[entry] = color;
        if (Find(color) < 0) {
            Remember(entry);
        }
    }

    void Remember(int entry) {
        std::size_t slot = Hash(colors_[entry]);
        while (lookup_[slot] != kEmpty) {
            slot = (slot + 1) & (kSlots - 1);
        }
        lookup_[slot] = static_cast<int16_t>(entry);
    }

    std::array<uint32_t, 256> colors_{};
    std::array<bool, 256> taken_{};
    std::array<int16_t, kSlots> lookup_{};
    int free_from_ = 0;
};

// Composites frames on a canvas of palette entries, which is what a GIF's frames are made of:
// a frame drawn with the colour table the canvas started from copies its rows as they are,
// and only the frame's own rectangle (and the one the last frame disposed of) is looked at.
// When the colours in play no longer fit 256 entries, the canvas turns into 32-bit colours for
// the rest of the file.
class Compositor {
  public:
    Compositor(int width, int height)
        : width_(width),
          height_(height),
          indices_(std::make_unique_for_overwrite<uint8_t[]>(Pixels())),
          builder_(width, height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    CompactPictureBuilder& Builder() { return builder_; }

    Rect Clip(int left, int top, int width, int height) const {
        return Rect{std::clamp(left, 0, width_), std::clamp(top, 0, height_),
                    std::clamp(left + width, 0, width_), std::clamp(top + height, 0, height_)};
    }

    // Draws a frame over `area` (clipped to the canvas). `pixels` holds the area's indices row
    // by row; rows whose `arrived` is false never came and leave the canvas as it was.
    void DrawFrame(const Rect& area, int disposal, const FrameColors& colors,
                   const std::vector<uint8_t>& pixels, const std::vector<bool>& arrived) {
        frame_ = area;
        disposal_ = disposal;
        colors_ = &colors;
        pixels_ = &pixels;
        arrived_ = &arrived;
        used_.reset();
        dirty_ = Union(dirty_, frame_);
        if (argb_.empty() && !PrepareIndexedFrame()) {
            TurnToArgb();
        }
        SaveForDisposal();
        const int w = frame_.x1 - frame_.x0;
        for (int y = frame_.y0; y < frame_.y1; ++y) {
            const std::size_t row = static_cast<std::size_t>(y - frame_.y0);
            if (arrived[row]) {
                DrawRow(y, pixels.data() + row * w, w);
            }
        }
    }

    // Keeps the finished frame and disposes of it for the next one.
    void EndFrame(int delay_ms) {
        if (argb_.empty()) {
            builder_.AddIndexedFrame(indices_.get(), palette_.Colors(), epoch_, dirty_.ToPicture(),
                                     delay_ms);
        } else {
            builder_.AddFrame(argb_.data(), delay_ms, dirty_.ToPicture());
        }
        dirty_ = Rect{};
        if (disposal_ == DISPOSE_BACKGROUND) {
            // Browsers clear to transparent rather than to the background colour.
            FillWithClear(frame_);
            dirty_ = frame_;
        } else if (disposal_ == DISPOSE_PREVIOUS && !frame_.Empty()) {
            const int w = frame_.x1 - frame_.x0;
            for (int y = frame_.y0; y < frame_.y1; ++y) {
                const std::size_t at = static_cast<std::size_t>(y - frame_.y0) * w;
                if (argb_.empty()) {
                    std::memcpy(IndexRow(y) + frame_.x0, saved_indices_.data() + at,
                                static_cast<std::size_t>(w));
                } else {
                    std::copy_n(saved_argb_.begin() + static_cast<std::ptrdiff_t>(at), w,
                                ArgbRow(y) + frame_.x0);
                }
            }
            dirty_ = frame_;
        }
    }

  private:
    std::size_t Pixels() const { return static_cast<std::size_t>(width_) * height_; }
    uint8_t* IndexRow(int y) { return indices_.get() + static_cast<std::size_t>(y) * width_; }
    uint32_t* ArgbRow(int y) { return argb_.data() + static_cast<std::size_t>(y) * width_; }

    // Gives the frame's colours entries of the palette, making room when they do not fit, and
    // starts the canvas with the first frame. False when only 32-bit colours will do.
    bool PrepareIndexedFrame() {
        // The global table's colours usually all fit, and keep their own indices; a frame with a
        // table of its own takes entries only for the colours it uses.
        if (!(!colors_->local && MapColors(false)) && !MapColors(true) &&
            !(Compact() && MapColors(true))) {
            return false;
        }
        return !first_ || StartCanvas();
    }

    // The entries the frame's pixels use, counted when first asked for.
    const std::array<bool, 256>& Used() {
        if (!used_) {
            used_.emplace();
            const int w = frame_.x1 - frame_.x0;
            for (int y = 0; y < frame_.y1 - frame_.y0; ++y) {
                if ((*arrived_)[static_cast<std::size_t>(y)]) {
                    const uint8_t* row = pixels_->data() + static_cast<std::size_t>(y) * w;
                    for (int x = 0; x < w; ++x) {
                        (*used_)[row[x]] = true;
                    }
                }
            }
        }
        return *used_;
    }

    // Gives every colour the frame draws (with `only_used`, every one its pixels draw) an
    // entry; false when they do not all fit.
    bool MapColors(bool only_used) {
        copies_as_is_ = true;
        all_draw_ = true;
        for (int i = 0; i < 256; ++i) {
            map_[i] = -1;
            if (only_used && !Used()[i]) {
                continue;
            }
            if (!colors_->draws[i]) {
                copies_as_is_ = false;
                all_draw_ = false;
                continue;
            }
            const int entry = palette_.Place(colors_->argb[i], i);
            if (entry < 0) {
                return false;
            }
            map_[i] = static_cast<int16_t>(entry);
            copies_as_is_ = copies_as_is_ && entry == i;
        }
        return true;
    }

    // The canvas starts transparent. False when it has to start as 32-bit colours.
    bool StartCanvas() {
        const bool covers_canvas =
            frame_.x0 == 0 && frame_.y0 == 0 && frame_.x1 == width_ && frame_.y1 == height_;
        const bool all_arrived =
            std::all_of(arrived_->begin(), arrived_->end(), [](bool a) { return a; });
        if (covers_canvas && all_arrived && disposal_ != DISPOSE_PREVIOUS && EveryPixelDraws()) {
            // The frame draws every pixel: the canvas needs no clearing first.
            first_ = false;
            return true;
        }
        const int clear = palette_.Place(kClear, -1);
        if (clear < 0) {
            return false;
        }
        first_ = false;
        std::memset(indices_.get(), clear, Pixels());
        return true;
    }

    bool EveryPixelDraws() {
        if (all_draw_) {
            return true;
        }
        const auto& used = Used();
        for (int i = 0; i < 256; ++i) {
            if (used[i] && !colors_->draws[i]) {
                return false;
            }
        }
        return true;
    }

    void DrawRow(int y, const uint8_t* source, int count) {
        if (count <= 0) {
            return;
        }
        if (!argb_.empty()) {
            uint32_t* row = ArgbRow(y) + frame_.x0;
            for (int x = 0; x < count; ++x) {
                const uint8_t index = source[x];
                if (colors_->draws[index]) {
                    row[x] = colors_->argb[index];
                }
            }
            return;
        }
        uint8_t* row = IndexRow(y) + frame_.x0;
        if (copies_as_is_) {
            std::memcpy(row, source, static_cast<std::size_t>(count));
        } else if (all_draw_) {
            for (int x = 0; x < count; ++x) {
                row[x] = static_cast<uint8_t>(map_[source[x]]);
            }
        } else {
            for (int x = 0; x < count; ++x) {
                const int16_t entry = map_[source[x]];
                if (entry >= 0) {
                    row[x] = static_cast<uint8_t>(entry);
                }
            }
        }
    }

    void SaveForDisposal() {
        if (disposal_ != DISPOSE_PREVIOUS) {
            return;
        }
        saved_indices_.clear();
        saved_argb_.clear();
        for (int y = frame_.y0; y < frame_.y1; ++y) {
            if (argb_.empty()) {
                const uint8_t* row = IndexRow(y);
                saved_indices_.insert(saved_indices_.end(), row + frame_.x0, row + frame_.x1);
            } else {
                const uint32_t* row = ArgbRow(y);
                saved_argb_.insert(saved_argb_.end(), row + frame_.x0, row + frame_.x1);
            }
        }
    }

    // Frees the entries no pixel of the canvas shows; the palette starts a new epoch. False
    // when the canvas shows all 256.
    bool Compact() {
        std::array<bool, 256> in_use{};
        const uint8_t* pixel = indices_.get();
        for (std::size_t i = 0, n = first_ ? 0 : Pixels(); i < n; ++i) {
            in_use[pixel[i]] = true;
        }
        palette_.Keep(in_use);
        ++epoch_;
        return std::count(in_use.begin(), in_use.end(), true) < 256;
    }

    // Clears a rectangle to transparent, turning the canvas into 32-bit colours when no entry
    // is left for it.
    void FillWithClear(const Rect& area) {
        if (argb_.empty()) {
            int clear = palette_.Place(kClear, -1);
            if (clear < 0 && Compact()) {
                clear = palette_.Place(kClear, -1);
            }
            if (clear >= 0) {
                for (int y = area.y0; y < area.y1; ++y) {
                    std::memset(IndexRow(y) + area.x0, clear,
                                static_cast<std::size_t>(area.x1 - area.x0));
                }
                return;
            }
            TurnToArgb();
        }
        for (int y = area.y0; y < area.y1; ++y) {
            std::fill(ArgbRow(y) + area.x0, ArgbRow(y) + area.x1, kClear);
        }
    }

    void TurnToArgb() {
        if (first_) {
            first_ = false;
            argb_.assign(Pixels(), kClear);
        } else {
            argb_.resize(Pixels());
            const uint32_t* colors = palette_.Colors();
            const uint8_t* pixel = indices_.get();
            for (std::size_t i = 0, n = Pixels(); i < n; ++i) {
                argb_[i] = colors[pixel[i]];
            }
        }
        indices_.reset();
    }

    int width_;
    int height_;
    CanvasPalette palette_;
    int epoch_ = 0;
    std::unique_ptr<uint8_t[]> indices_;
    std::vector<uint32_t> argb_;  // the canvas once its colours no longer fit a palette
    std::array<int16_t, 256> map_{};
    bool copies_as_is_ = false;  // the frame's indices are the canvas's entries
    bool all_draw_ = false;      // every index the map covers draws
    bool first_ = true;          // nothing drawn yet: the canvas holds nothing at all
    std::vector<uint8_t> saved_indices_;
    std::vector<uint32_t> saved_argb_;
    const FrameColors* colors_ = nullptr;
    const std::vector<uint8_t>* pixels_ = nullptr;
    const std::vector<bool>* arrived_ = nullptr;
    std::optional<std::array<bool, 256>> used_;
    Rect frame_;
    Rect dirty_;  // where the canvas changed since the last frame was kept
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
        FrameColors colors = MakeFrameColors(map, gcb.TransparentColor);
        colors.local = desc.ColorMap != nullptr;

        // The frame's rows are read whole first, so its colours can be mapped knowing which
        // it uses; only the part on the canvas is kept.
        const Rect area = compositor_->Clip(desc.Left, desc.Top, desc.Width, desc.Height);
        const int area_width = area.x1 - area.x0;
        pixels_.resize(static_cast<std::size_t>(area_width) * (area.y1 - area.y0));
        arrived_.assign(static_cast<std::size_t>(area.y1 - area.y0), false);
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
                const int canvas_y = desc.Top + y;
                if (canvas_y < area.y0 || canvas_y >= area.y1 || area_width <= 0) {
                    continue;
                }
                const std::size_t row = static_cast<std::size_t>(canvas_y - area.y0);
                std::memcpy(pixels_.data() + row * area_width, line_.data() + (area.x0 - desc.Left),
                            static_cast<std::size_t>(area_width));
                arrived_[row] = true;
            }
        }
        compositor_->DrawFrame(area, gcb.DisposalMode, colors, pixels_, arrived_);
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
    std::vector<uint8_t> pixels_;
    std::vector<bool> arrived_;
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
