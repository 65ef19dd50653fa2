#include "flow/scene_thumbnail.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace morvane {
namespace {

// An opaque picture being put together at the scene view's full size.
class SceneCanvas {
  public:
    SceneCanvas(int width, int height)
        : width_(width),
          height_(height),
          pixels_(static_cast<std::size_t>(width) * height, kBlack) {}

    // Lays frame `frame` of `picture` over the canvas in `at` (stretched to it, or at its own
    // size from its top-left corner), inside `clip`.
    void Draw(const Picture& picture, int frame, const Rect& at, bool stretch, const Rect& clip) {
        const int pw = picture.Width();
        const int ph = picture.Height();
        if (pw <= 0 || ph <= 0 || at.width <= 0 || at.height <= 0) {
            return;
        }
        std::vector<uint32_t> source(static_cast<std::size_t>(pw) * ph);
        picture.CopyFrameArgb(std::clamp(frame, 0, picture.FrameCount() - 1), source.data());
        const int width = stretch ? at.width : std::min(pw, at.width);
        const int height = stretch ? at.height : std::min(ph, at.height);
        const int x0 = std::max({at.left, clip.left, 0});
        const int y0 = std::max({at.top, clip.top, 0});
        const int x1 = std::min({at.left + width, clip.left + clip.width, width_});
        const int y1 = std::min({at.top + height, clip.top + clip.height, height_});
        for (int y = y0; y < y1; ++y) {
            const int sy = stretch ? (y - at.top) * ph / at.height : y - at.top;
            for (int x = x0; x < x1; ++x) {
                const int sx = stretch ? (x - at.left) * pw / at.width : x - at.left;
                Blend(pixels_[static_cast<std::size_t>(y) * width_ + x],
                      source[static_cast<std::size_t>(sy) * pw + sx]);
            }
        }
    }

    // The canvas shrunk to `width` x `height`, each pixel the average of the pixels it covers.
    Thumbnail Shrunk(int width, int height) const {
        Thumbnail out;
        out.Width = width;
        out.Height = height;
        out.Pixels.resize(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            const int sy0 = y * height_ / height;
            const int sy1 = std::max((y + 1) * height_ / height, sy0 + 1);
            for (int x = 0; x < width; ++x) {
                const int sx0 = x * width_ / width;
                const int sx1 = std::max((x + 1) * width_ / width, sx0 + 1);
                uint64_t sums[3] = {0, 0, 0};
                for (int sy = sy0; sy < std::min(sy1, height_); ++sy) {
                    for (int sx = sx0; sx < std::min(sx1, width_); ++sx) {
                        const uint32_t p = pixels_[static_cast<std::size_t>(sy) * width_ + sx];
                        sums[0] += (p >> 16) & 0xFF;
                        sums[1] += (p >> 8) & 0xFF;
                        sums[2] += p & 0xFF;
                    }
                }
                const uint64_t count = static_cast<uint64_t>(std::min(sy1, height_) - sy0) *
                                       static_cast<uint64_t>(std::min(sx1, width_) - sx0);
                const auto average = [&](int i) {
                    return static_cast<uint32_t>((sums[i] + count / 2) /
                                                 std::max<uint64_t>(count, 1));
                };
                out.Pixels[static_cast<std::size_t>(y) * width + x] =
                    0xFF000000u | (average(0) << 16) | (average(1) << 8) | average(2);
            }
        }
        return out;
    }

  private:
    static constexpr uint32_t kBlack = 0xFF000000u;

    static void Blend(uint32_t& dst, uint32_t src) {
        const uint32_t alpha = src >> 24;
        if (alpha == 0) {
            return;
        }
        if (alpha == 0xFF) {
            dst = src;
            return;
        }
        uint32_t out = kBlack;
        for (const int shift : {16, 8, 0}) {
            const uint32_t s = (src >> shift) & 0xFF;
            const uint32_t d = (dst >> shift) & 0xFF;
            out |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
        }
        dst = out;
    }

    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

bool ShowsPicture(const Control& control) {
    switch (control.Kind()) {
        case ControlKind::kPictureBox:
        case ControlKind::kImage:
        case ControlKind::kAnimatedPicture:
        case ControlKind::kPanel:
        case ControlKind::kMovie:
            return true;
        default:
            return false;
    }
}

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

// Draws the visible children of `container`, whose top-left corner lies at `origin` on the
// canvas, back to front, each clipped to its containers (`clip`).
void DrawChildren(SceneCanvas& canvas, const Control& container, Point origin, const Rect& clip) {
    for (const Control* child : container.Children()) {
        if (!child->Visible() || !ShowsPicture(*child)) {
            continue;
        }
        const Rect at{origin.x + child->Left(), origin.y + child->Top(), child->Width(),
                      child->Height()};
        if (child->Picture()) {
            const bool stretch =
                child->Kind() == ControlKind::kImage && static_cast<const Image*>(child)->Stretch();
            canvas.Draw(*child->Picture(), child->ShownFrame(), at, stretch, clip);
        }
        const Rect inner = Intersection(at, clip);
        if (inner.width > 0 && inner.height > 0) {
            DrawChildren(canvas, *child, Point{at.left, at.top}, inner);
        }
    }
}

}  // namespace

Thumbnail CaptureSceneThumbnail(const Main& main) {
    const PictureBox& view = main.ScnImg;
    SceneCanvas canvas(Main::kSceneWidth, Main::kSceneHeight);
    const Rect whole{0, 0, Main::kSceneWidth, Main::kSceneHeight};
    if (view.Picture()) {
        canvas.Draw(*view.Picture(), view.ShownFrame(), whole, false, whole);
    }
    DrawChildren(canvas, view, Point{0, 0}, whole);
    return canvas.Shrunk(kThumbnailWidth, kThumbnailHeight);
}

}  // namespace morvane
