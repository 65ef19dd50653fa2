#include "platform/picture_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace morvane {
namespace {

// Reading a frame replays the deltas since its key frame. A new key frame is kept once the
// deltas since the last one add up to a whole picture, so reading any frame copies at most
// about two pictures' worth of pixels, or after this many frames, so the replay stays short.
constexpr int kMaxDeltaRun = 64;
// A delta is kept only while its rectangle covers at most this share (1/n) of the picture.
constexpr long long kDeltaShare = 4;

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    long long Area() const { return static_cast<long long>(w) * h; }
};

struct StoredFrame {
    int delay_ms = 0;
    int key_index = 0;  // the key frame this one is replayed from (itself for a key)
    Rect rect;          // the whole picture for a key; what changed for a delta
    int palette = -1;   // index into the palettes, -1 for 32-bit pixels
    std::vector<uint8_t> indices;
    std::vector<uint32_t> colors;
};

// Colour -> palette entry for at most 256 colours; open addressing keeps the per-pixel cost of
// indexing a frame to a few instructions.
class ColorIndex {
  public:
    void Clear() {
        used_.fill(false);
        count_ = 0;
    }
    int Count() const { return count_; }

    // The entry of `color`, adding it to `palette` when new; -1 when the palette is full.
    int Find(uint32_t color, std::vector<uint32_t>& palette) {
        std::size_t slot = Hash(color);
        while (used_[slot]) {
            if (keys_[slot] == color) {
                return values_[slot];
            }
            slot = (slot + 1) & (kSlots - 1);
        }
        if (count_ == 256) {
            return -1;
        }
        used_[slot] = true;
        keys_[slot] = color;
        values_[slot] = static_cast<uint8_t>(count_);
        palette.push_back(color);
        return count_++;
    }

  private:
    static constexpr std::size_t kSlots = 1024;
    static std::size_t Hash(uint32_t color) { return (color * 0x9E3779B1u) >> 22; }

    std::array<uint32_t, kSlots> keys_{};
    std::array<uint8_t, kSlots> values_{};
    std::array<bool, kSlots> used_{};
    int count_ = 0;
};

class CompactPicture final : public Picture, public FrameChanges {
  public:
    CompactPicture(int width, int height, std::vector<StoredFrame> frames,
                   std::vector<std::vector<uint32_t>> palettes, int loop_count,
                   std::optional<HotSpot> hot_spot, std::string source_name, std::size_t bytes)
        : width_(width),
          height_(height),
          frames_(std::move(frames)),
          palettes_(std::move(palettes)),
          loop_count_(loop_count),
          hot_spot_(hot_spot),
          source_name_(std::move(source_name)),
          bytes_(bytes) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int FrameCount() const override { return static_cast<int>(frames_.size()); }

    int FrameDelayMs(int frame) const override {
        if (frame < 0 || frame >= FrameCount()) {
            return 0;
        }
        return frames_[frame].delay_ms;
    }

    void CopyFrameArgb(int frame, uint32_t* out) const override {
        if (frames_.empty()) {
            return;
        }
        frame = std::clamp(frame, 0, FrameCount() - 1);
        for (int i = frames_[frame].key_index; i <= frame; ++i) {
            Paint(frames_[i], out, width_, 0, 0);
        }
    }

    std::optional<PictureRect> FrameChangeRect(int frame) const override {
        if (frame <= 0 || frame >= FrameCount() || frames_[frame].key_index == frame) {
            return std::nullopt;
        }
        const Rect& r = frames_[frame].rect;
        return PictureRect{r.x, r.y, r.w, r.h};
    }

    bool CopyFrameChange(int frame, PictureRect& rect, uint32_t* out) const override {
        if (frame <= 0 || frame >= FrameCount() || frames_[frame].key_index == frame) {
            return false;
        }
        const StoredFrame& stored = frames_[frame];
        const Rect& r = stored.rect;
        rect = PictureRect{r.x, r.y, r.w, r.h};
        Paint(stored, out, r.w, r.x, r.y);
        return true;
    }

    int LoopCount() const override { return loop_count_; }
    std::optional<HotSpot> CursorHotSpot() const override { return hot_spot_; }
    const std::string& SourceName() const override { return source_name_; }
    std::size_t MemoryBytes() const override { return bytes_; }

  private:
    // Paints a stored frame's rectangle into `out`, whose rows are `stride` pixels apart and
    // whose first pixel is the picture's (`x0`, `y0`).
    void Paint(const StoredFrame& stored, uint32_t* out, int stride, int x0, int y0) const {
        const Rect& r = stored.rect;
        const uint32_t* palette = stored.palette < 0 ? nullptr : palettes_[stored.palette].data();
        for (int row = 0; row < r.h; ++row) {
            uint32_t* target = out + static_cast<std::size_t>(r.y - y0 + row) * stride + (r.x - x0);
            const std::size_t offset = static_cast<std::size_t>(row) * r.w;
            if (palette == nullptr) {
                std::memcpy(target, stored.colors.data() + offset, sizeof(uint32_t) * r.w);
            } else {
                const uint8_t* source = stored.indices.data() + offset;
                for (int col = 0; col < r.w; ++col) {
                    target[col] = palette[source[col]];
                }
            }
        }
    }

    int width_;
    int height_;
    std::vector<StoredFrame> frames_;
    std::vector<std::vector<uint32_t>> palettes_;
    int loop_count_;
    std::optional<HotSpot> hot_spot_;
    std::string source_name_;
    std::size_t bytes_;
};

uint32_t Normalize(uint32_t argb) {
    return (argb >> 24) == 0 ? 0 : argb;
}

Rect Clip(const PictureRect& r, int width, int height) {
    const int x0 = std::clamp(r.x, 0, width);
    const int y0 = std::clamp(r.y, 0, height);
    const int x1 = std::clamp(r.x + std::max(r.width, 0), 0, width);
    const int y1 = std::clamp(r.y + std::max(r.height, 0), 0, height);
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

// The part of `area` where two frames of `width` pixels a row differ; `same(a, b, n)` tells
// whether n pixels from a and b are equal and `equal(a, b)` one pixel.
template <typename Pixel, typename Equal>
Rect ChangedPart(const Pixel* before, const Pixel* after, int width, const Rect& area,
                 Equal equal) {
    int top = area.y + area.h;
    int bottom = -1;
    int left = area.x + area.w;
    int right = -1;
    for (int y = area.y; y < area.y + area.h; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * width;
        const Pixel* a = before + row;
        const Pixel* b = after + row;
        int first = area.x;
        const int end = area.x + area.w;
        while (first < end && equal(a[first], b[first])) {
            ++first;
        }
        if (first == end) {
            continue;
        }
        int last = end - 1;
        while (equal(a[last], b[last])) {
            --last;
        }
        top = std::min(top, y);
        bottom = y;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    if (bottom < 0) {
        return Rect{};
    }
    return Rect{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

struct CompactPictureBuilder::State {
    // What the last frame added was given as; a frame given another way starts a key frame.
    enum class Given { kNothing, kArgb, kIndexed };

    int width = 0;
    int height = 0;
    std::vector<StoredFrame> frames;
    std::vector<std::vector<uint32_t>> palettes;
    ColorIndex color_index;  // of the last palette, while 32-bit frames may still join it
    bool palette_open = false;
    long long delta_area = 0;  // pixels stored in deltas since the last key frame
    // The last frame added, normalized: as 32-bit colours or as palette entries.
    Given given = Given::kNothing;
    std::vector<uint32_t> previous;
    std::vector<uint8_t> previous_indices;
    int palette_epoch = 0;
    int loop_count = 0;
    std::optional<HotSpot> hot_spot;
    std::string source_name;
    std::size_t bytes = 0;

    std::size_t Pixels() const { return static_cast<std::size_t>(width) * height; }
    Rect Whole() const { return Rect{0, 0, width, height}; }

    // Starts the next frame over the rectangle that changed: a delta while deltas stay small
    // and few since the last key frame, else a key frame of the whole picture.
    StoredFrame Begin(const Rect& changed, bool key_needed, int delay_ms) {
        StoredFrame frame;
        frame.delay_ms = delay_ms;
        const int index = static_cast<int>(frames.size());
        const Rect whole = Whole();
        if (key_needed || index - frames.back().key_index >= kMaxDeltaRun ||
            changed.Area() * kDeltaShare > whole.Area() ||
            delta_area + changed.Area() > whole.Area()) {
            frame.key_index = index;
            frame.rect = whole;
            delta_area = 0;
        } else {
            frame.key_index = frames.back().key_index;
            frame.rect = changed;
            delta_area += changed.Area();
        }
        return frame;
    }

    void Finish(StoredFrame&& frame, std::size_t palettes_before) {
        bytes += sizeof(StoredFrame) + frame.indices.capacity() +
                 frame.colors.capacity() * sizeof(uint32_t) + PaletteBytes() - palettes_before;
        frames.push_back(std::move(frame));
    }

    // Indexes the rectangle of `previous` into the open palette; false when its colours do
    // not all fit.
    bool TryIndex(const Rect& r, std::vector<uint8_t>& out) {
        if (!palette_open) {
            return false;
        }
        out.resize(static_cast<std::size_t>(r.Area()));
        std::vector<uint32_t>& palette = palettes.back();
        uint32_t last_color = 0;
        int last_index = -1;
        std::size_t n = 0;
        for (int y = r.y; y < r.y + r.h; ++y) {
            const uint32_t* row = previous.data() + static_cast<std::size_t>(y) * width + r.x;
            for (int x = 0; x < r.w; ++x) {
                const uint32_t color = row[x];
                if (last_index < 0 || color != last_color) {
                    last_index = color_index.Find(color, palette);
                    if (last_index < 0) {
                        return false;
                    }
                    last_color = color;
                }
                out[n++] = static_cast<uint8_t>(last_index);
            }
        }
        return true;
    }

    // Keeps the rectangle of the 32-bit frame in `previous`: as entries of a palette when its
    // colours fit, else as colours.
    void StoreColors(StoredFrame& frame) {
        const Rect& r = frame.rect;
        if (TryIndex(r, frame.indices)) {
            frame.palette = static_cast<int>(palettes.size()) - 1;
            return;
        }
        // The open palette is full: the frame starts a palette of its own.
        palettes.emplace_back();
        color_index.Clear();
        palette_open = true;
        if (TryIndex(r, frame.indices)) {
            frame.palette = static_cast<int>(palettes.size()) - 1;
            return;
        }
        // More than 256 colours in one frame: keep them as they are. The palette made by the
        // attempt stays for the frames that follow.
        frame.indices.clear();
        frame.indices.shrink_to_fit();
        frame.colors.resize(static_cast<std::size_t>(r.Area()));
        std::size_t n = 0;
        for (int y = r.y; y < r.y + r.h; ++y) {
            const uint32_t* row = previous.data() + static_cast<std::size_t>(y) * width + r.x;
            std::copy(row, row + r.w, frame.colors.begin() + static_cast<std::ptrdiff_t>(n));
            n += static_cast<std::size_t>(r.w);
        }
    }

    void AddArgb(const uint32_t* argb, int delay_ms, const Rect& area) {
        const bool key_needed = given != Given::kArgb;
        Rect changed;
        if (key_needed) {
            previous.resize(Pixels());
            std::transform(argb, argb + Pixels(), previous.begin(), Normalize);
        } else {
            changed = ChangedPart(previous.data(), argb, width, area,
                                  [](uint32_t a, uint32_t b) { return a == Normalize(b); });
            for (int y = changed.y; y < changed.y + changed.h; ++y) {
                const std::size_t row = static_cast<std::size_t>(y) * width + changed.x;
                std::transform(argb + row, argb + row + changed.w, previous.begin() + row,
                               Normalize);
            }
        }
        given = Given::kArgb;
        StoredFrame frame = Begin(changed, key_needed, delay_ms);
        const std::size_t palettes_before = PaletteBytes();
        StoreColors(frame);
        Finish(std::move(frame), palettes_before);
    }

    void AddIndexed(const uint8_t* indices, const uint32_t* palette, int epoch, const Rect& area,
                    int delay_ms) {
        const bool key_needed = given != Given::kIndexed;
        const std::size_t palettes_before = PaletteBytes();
        // Entries used so far keep their colours within an epoch, so frames compare entry by
        // entry; across epochs only entries the canvas kept do, so the changed area compares
        // colours.
        std::vector<uint32_t> old_palette;
        if (key_needed || epoch != palette_epoch) {
            if (!key_needed) {
                old_palette = palettes.back();
            }
            palettes.emplace_back(256);
            palette_open = false;
            palette_epoch = epoch;
        }
        std::copy(palette, palette + 256, palettes.back().begin());
        Rect changed;
        if (key_needed) {
            previous_indices.assign(indices, indices + Pixels());
        } else {
            changed = old_palette.empty()
                          ? ChangedPart(previous_indices.data(), indices, width, area,
                                        [](uint8_t a, uint8_t b) { return a == b; })
                          : ChangedPart(previous_indices.data(), indices, width, area,
                                        [&old_palette, palette](uint8_t a, uint8_t b) {
                                            return old_palette[a] == palette[b];
                                        });
            for (int y = changed.y; y < changed.y + changed.h; ++y) {
                const std::size_t row = static_cast<std::size_t>(y) * width + changed.x;
                std::memcpy(previous_indices.data() + row, indices + row, changed.w);
            }
        }
        given = Given::kIndexed;
        StoredFrame frame = Begin(changed, key_needed, delay_ms);
        const Rect& r = frame.rect;
        frame.palette = static_cast<int>(palettes.size()) - 1;
        frame.indices.resize(static_cast<std::size_t>(r.Area()));
        for (int y = 0; y < r.h; ++y) {
            const std::size_t row = static_cast<std::size_t>(r.y + y) * width + r.x;
            std::memcpy(frame.indices.data() + static_cast<std::size_t>(y) * r.w,
                        previous_indices.data() + row, r.w);
        }
        Finish(std::move(frame), palettes_before);
    }

    std::size_t PaletteBytes() const {
        std::size_t total = 0;
        for (const auto& palette : palettes) {
            total += palette.capacity() * sizeof(uint32_t);
        }
        return total;
    }
};

CompactPictureBuilder::CompactPictureBuilder(int width, int height)
    : state_(std::make_unique<State>()) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("picture size must be positive");
    }
    state_->width = width;
    state_->height = height;
}

CompactPictureBuilder::~CompactPictureBuilder() = default;
CompactPictureBuilder::CompactPictureBuilder(CompactPictureBuilder&&) noexcept = default;
CompactPictureBuilder& CompactPictureBuilder::operator=(CompactPictureBuilder&&) noexcept = default;

int CompactPictureBuilder::Width() const {
    return state_->width;
}
int CompactPictureBuilder::Height() const {
    return state_->height;
}
int CompactPictureBuilder::FrameCount() const {
    return static_cast<int>(state_->frames.size());
}

void CompactPictureBuilder::AddFrame(const uint32_t* argb, int delay_ms) {
    state_->AddArgb(argb, delay_ms, state_->Whole());
}

void CompactPictureBuilder::AddFrame(const uint32_t* argb, int delay_ms,
                                     const PictureRect& changed) {
    state_->AddArgb(argb, delay_ms, Clip(changed, state_->width, state_->height));
}

void CompactPictureBuilder::AddIndexedFrame(const uint8_t* indices, const uint32_t* palette,
                                            int palette_epoch, const PictureRect& changed,
                                            int delay_ms) {
    state_->AddIndexed(indices, palette, palette_epoch,
                       Clip(changed, state_->width, state_->height), delay_ms);
}

void CompactPictureBuilder::SetLoopCount(int loop_count) {
    state_->loop_count = loop_count;
}
void CompactPictureBuilder::SetHotSpot(std::optional<HotSpot> hot_spot) {
    state_->hot_spot = hot_spot;
}
void CompactPictureBuilder::SetSourceName(std::string name) {
    state_->source_name = std::move(name);
}

std::size_t CompactPictureBuilder::MemoryBytes() const {
    return state_->bytes;
}

PicturePtr CompactPictureBuilder::Build() {
    State& s = *state_;
    if (s.frames.empty()) {
        throw std::logic_error("a picture needs at least one frame");
    }
    // Palettes grow by doubling while frames are added; trim them to what was used.
    for (auto& palette : s.palettes) {
        palette.shrink_to_fit();
    }
    const std::size_t bytes = sizeof(CompactPicture) + s.bytes;
    auto picture = std::make_shared<const CompactPicture>(
        s.width, s.height, std::move(s.frames), std::move(s.palettes), s.loop_count, s.hot_spot,
        std::move(s.source_name), bytes);
    state_ = std::make_unique<State>();
    return picture;
}

PicturePtr MakeStillPicture(int width, int height, const std::vector<uint32_t>& argb,
                            std::string source_name, std::optional<HotSpot> hot_spot) {
    if (argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        throw std::invalid_argument("pixel count does not match the picture size");
    }
    CompactPictureBuilder builder(width, height);
    builder.AddFrame(argb.data(), 0);
    builder.SetLoopCount(1);
    builder.SetHotSpot(hot_spot);
    builder.SetSourceName(std::move(source_name));
    return builder.Build();
}

}  // namespace morvane
