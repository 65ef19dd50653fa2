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

class CompactPicture final : public Picture {
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
            Paint(frames_[i], out);
        }
    }

    int LoopCount() const override { return loop_count_; }
    std::optional<HotSpot> CursorHotSpot() const override { return hot_spot_; }
    const std::string& SourceName() const override { return source_name_; }
    std::size_t MemoryBytes() const override { return bytes_; }

  private:
    void Paint(const StoredFrame& stored, uint32_t* out) const {
        const Rect& r = stored.rect;
        for (int row = 0; row < r.h; ++row) {
            uint32_t* target = out + static_cast<std::size_t>(r.y + row) * width_ + r.x;
            const std::size_t offset = static_cast<std::size_t>(row) * r.w;
            if (stored.palette < 0) {
                std::memcpy(target, stored.colors.data() + offset, sizeof(uint32_t) * r.w);
            } else {
                const uint32_t* palette = palettes_[stored.palette].data();
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

}  // namespace

struct CompactPictureBuilder::State {
    int width = 0;
    int height = 0;
    std::vector<StoredFrame> frames;
    std::vector<std::vector<uint32_t>> palettes;
    ColorIndex color_index;  // of the last palette, while frames may still join it
    bool palette_open = false;
    long long delta_area = 0;        // pixels stored in deltas since the last key frame
    std::vector<uint32_t> previous;  // the last frame added, normalized
    std::vector<uint32_t> current;
    int loop_count = 0;
    std::optional<HotSpot> hot_spot;
    std::string source_name;
    std::size_t bytes = 0;

    Rect ChangedRect() const {
        int top = height;
        int bottom = -1;
        int left = width;
        int right = -1;
        for (int y = 0; y < height; ++y) {
            const uint32_t* a = previous.data() + static_cast<std::size_t>(y) * width;
            const uint32_t* b = current.data() + static_cast<std::size_t>(y) * width;
            if (std::memcmp(a, b, sizeof(uint32_t) * width) == 0) {
                continue;
            }
            top = std::min(top, y);
            bottom = y;
            int first = 0;
            while (a[first] == b[first]) {
                ++first;
            }
            int last = width - 1;
            while (a[last] == b[last]) {
                --last;
            }
            left = std::min(left, first);
            right = std::max(right, last);
        }
        if (bottom < 0) {
            return Rect{};
        }
        return Rect{left, top, right - left + 1, bottom - top + 1};
    }

    // Indexes the rectangle into the open palette; false when its colours do not all fit.
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
            const uint32_t* row = current.data() + static_cast<std::size_t>(y) * width + r.x;
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

    void Store(StoredFrame& frame) {
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
            const uint32_t* row = current.data() + static_cast<std::size_t>(y) * width + r.x;
            std::copy(row, row + r.w, frame.colors.begin() + static_cast<std::ptrdiff_t>(n));
            n += static_cast<std::size_t>(r.w);
        }
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
    const std::size_t pixels = static_cast<std::size_t>(width) * height;
    state_->previous.assign(pixels, 0);
    state_->current.assign(pixels, 0);
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
    State& s = *state_;
    std::transform(argb, argb + s.current.size(), s.current.begin(), Normalize);

    StoredFrame frame;
    frame.delay_ms = delay_ms;
    const int index = FrameCount();
    const Rect whole{0, 0, s.width, s.height};
    const bool key_due = index == 0 || index - s.frames.back().key_index >= kMaxDeltaRun;
    const Rect changed = key_due ? whole : s.ChangedRect();
    if (key_due || changed.Area() * kDeltaShare > whole.Area() ||
        s.delta_area + changed.Area() > whole.Area()) {
        frame.key_index = index;
        frame.rect = whole;
        s.delta_area = 0;
    } else {
        frame.key_index = s.frames.back().key_index;
        frame.rect = changed;
        s.delta_area += changed.Area();
    }
    const std::size_t palettes_before = s.PaletteBytes();
    s.Store(frame);
    s.bytes += sizeof(StoredFrame) + frame.indices.capacity() +
               frame.colors.capacity() * sizeof(uint32_t) + s.PaletteBytes() - palettes_before;
    s.frames.push_back(std::move(frame));
    std::swap(s.previous, s.current);
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
