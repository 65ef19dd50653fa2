#include "flow/builtin_look.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "base/runtime_error.h"
#include "flow/stroke_font.h"
#include "platform/picture_drawing.h"
#include "platform/picture_store.h"

namespace morvane {
namespace {

// The palette: deep blue-grey panels, a warm gold for edges and highlights, ivory text.
constexpr uint32_t kNight = 0xFF0E1424;
constexpr uint32_t kDusk = 0xFF1D2B48;
constexpr uint32_t kPanel = 0xFF162038;
constexpr uint32_t kPanelLight = 0xFF2B3E64;
constexpr uint32_t kWell = 0xFF0A0F1C;
constexpr uint32_t kSteel = 0xFF7F90B4;
constexpr uint32_t kGold = 0xFFE2BC62;
constexpr uint32_t kGoldDark = 0xFF8E6C28;
constexpr uint32_t kIvory = 0xFFEDE6CF;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kShadow = 0xA0000000;

constexpr int kSamples = 4;

uint8_t Channel(uint32_t argb, int shift) {
    return static_cast<uint8_t>((argb >> shift) & 0xFF);
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const double v = Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t;
        out |= static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))) << shift;
    }
    return out;
}

// A picture being drawn: straight-alpha pixels and a few painting steps that blend over them.
class Canvas {
  public:
    Canvas(int width, int height, uint32_t fill = 0)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // Blends `argb` over the pixel with an extra coverage of 0 to 1.
    void Blend(int x, int y, uint32_t argb, double coverage = 1.0) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) {
            return;
        }
        uint32_t& dst = pixels_[static_cast<std::size_t>(y) * width_ + x];
        if (coverage >= 1 && Channel(argb, 24) == 0xFF) {
            dst = argb;
            return;
        }
        if (Channel(argb, 24) == 0) {
            return;
        }
        const double sa = Channel(argb, 24) / 255.0 * std::min(coverage, 1.0);
        const double da = Channel(dst, 24) / 255.0;
        const double oa = sa + da * (1 - sa);
        if (oa <= 0) {
            dst = 0;
            return;
        }
        uint32_t out = static_cast<uint32_t>(std::lround(oa * 255)) << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            const double v = (Channel(argb, shift) * sa + Channel(dst, shift) * da * (1 - sa)) / oa;
            out |= static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))) << shift;
        }
        dst = out;
    }

    void FillRect(int left, int top, int width, int height, uint32_t argb) {
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                Blend(x, y, argb);
            }
        }
    }

    void VerticalGradient(int left, int top, int width, int height, uint32_t from, uint32_t to) {
        for (int y = top; y < top + height; ++y) {
            const double t = height > 1 ? static_cast<double>(y - top) / (height - 1) : 0;
            FillRect(left, y, width, 1, Mix(from, to, t));
        }
    }

    // A rounded rectangle, smoothed at its corners.
    void RoundRect(double left, double top, double width, double height, double radius,
                   uint32_t argb) {
        const int x0 = static_cast<int>(std::floor(left));
        const int y0 = static_cast<int>(std::floor(top));
        const int x1 = static_cast<int>(std::ceil(left + width));
        const int y1 = static_cast<int>(std::ceil(top + height));
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const bool within =
                    x >= left && x + 1 <= left + width && y >= top && y + 1 <= top + height;
                const bool clear_of_corners =
                    (x >= left + radius && x + 1 <= left + width - radius) ||
                    (y >= top + radius && y + 1 <= top + height - radius);
                if (within && clear_of_corners) {
                    Blend(x, y, argb);
                    continue;
                }
                int inside = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const double px = x + (sx + 0.5) / kSamples;
                        const double py = y + (sy + 0.5) / kSamples;
                        const double cx = std::clamp(px, left + radius, left + width - radius);
                        const double cy = std::clamp(py, top + radius, top + height - radius);
                        const bool in_box =
                            px >= left && px <= left + width && py >= top && py <= top + height;
                        if (in_box && std::hypot(px - cx, py - cy) <= radius) {
                            ++inside;
                        }
                    }
                }
                Blend(x, y, argb, static_cast<double>(inside) / (kSamples * kSamples));
            }
        }
    }

    // A rounded frame `border` pixels wide, with an optional fill inside it.
    void Plate(double left, double top, double width, double height, double radius, double border,
               uint32_t edge, uint32_t fill_top, uint32_t fill_bottom) {
        RoundRect(left, top, width, height, radius, edge);
        Canvas inner(width_, height_);
        const double il = left + border;
        const double it = top + border;
        const double iw = width - 2 * border;
        const double ih = height - 2 * border;
        inner.VerticalGradient(static_cast<int>(il), static_cast<int>(it),
                               static_cast<int>(std::ceil(iw)), static_cast<int>(std::ceil(ih)),
                               fill_top, fill_bottom);
        Canvas mask(width_, height_);
        mask.RoundRect(il, it, iw, ih, std::max(radius - border, 0.0), kWhite);
        const int x0 = std::max(static_cast<int>(il), 0);
        const int y0 = std::max(static_cast<int>(it), 0);
        const int x1 = std::min(static_cast<int>(std::ceil(il + iw)), width_);
        const int y1 = std::min(static_cast<int>(std::ceil(it + ih)), height_);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
                const double coverage = Channel(mask.pixels_[i], 24) / 255.0;
                if (coverage > 0) {
                    Blend(x, y, inner.pixels_[i], coverage);
                }
            }
        }
    }

    // Blends a drawing's pixels over this canvas with their top-left corner at (left, top).
    void Draw(const Drawing& drawing, int left, int top) {
        const std::vector<uint32_t> pixels = drawing.Pixels();
        for (int y = 0; y < drawing.Height(); ++y) {
            for (int x = 0; x < drawing.Width(); ++x) {
                const uint32_t p = pixels[static_cast<std::size_t>(y) * drawing.Width() + x];
                if (Channel(p, 24) != 0) {
                    Blend(left + x, top + y, p);
                }
            }
        }
    }

    // Capital text centred on (centre_x, centre_y), with a soft shadow below it.
    void Text(std::string_view text, double centre_x, double centre_y, double cap_height,
              uint32_t colour) {
        DrawText(MakeTextMask(text, cap_height), centre_x, centre_y, colour);
    }

    // The coverage of a text's strokes, drawn once and laid down as often as needed.
    struct TextMask {
        int width = 0;
        int height = 0;
        double text_width = 0;
        double cap_height = 0;
        int pad = 0;
        std::vector<uint32_t> pixels;
    };

    static TextMask MakeTextMask(std::string_view text, double cap_height) {
        TextMask mask;
        mask.text_width = StrokeFont::TextWidth(text, cap_height);
        mask.cap_height = cap_height;
        mask.pad = static_cast<int>(std::ceil(cap_height * 0.2)) + 2;
        mask.width = static_cast<int>(std::ceil(mask.text_width)) + 2 * mask.pad;
        mask.height = static_cast<int>(std::ceil(cap_height)) + 2 * mask.pad;
        Shape shape;
        StrokeFont::AddText(shape, text, mask.pad, mask.pad, cap_height);
        Drawing drawing(mask.width, mask.height);
        drawing.Fill(shape, kWhite);
        mask.pixels = drawing.Pixels();
        return mask;
    }

    void DrawText(const TextMask& mask, double centre_x, double centre_y, uint32_t colour) {
        const int left = static_cast<int>(std::lround(centre_x - mask.text_width / 2)) - mask.pad;
        const int top = static_cast<int>(std::lround(centre_y - mask.cap_height / 2)) - mask.pad;
        for (const auto& [dx, dy, tint] : {std::tuple{1, 2, kShadow}, std::tuple{0, 0, colour}}) {
            for (int y = 0; y < mask.height; ++y) {
                for (int x = 0; x < mask.width; ++x) {
                    const uint32_t p = mask.pixels[static_cast<std::size_t>(y) * mask.width + x];
                    if (Channel(p, 24) != 0) {
                        Blend(left + x + dx, top + y + dy, tint, Channel(p, 24) / 255.0);
                    }
                }
            }
        }
    }

  private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

PicturePtr Still(const Canvas& canvas) {
    return MakeStillPicture(canvas.Width(), canvas.Height(), canvas.Pixels());
}

constexpr int kButtonFrameMs = 100;

// A two-frame button: frame 0 highlighted, frame 1 normal.
PicturePtr TwoFrames(const Canvas& highlighted, const Canvas& normal) {
    CompactPictureBuilder builder(highlighted.Width(), highlighted.Height());
    builder.AddFrame(highlighted.Pixels().data(), kButtonFrameMs);
    builder.AddFrame(normal.Pixels().data(), kButtonFrameMs);
    return builder.Build();
}

Canvas ButtonFace(int width, int height, const Canvas::TextMask& caption, bool highlighted) {
    Canvas canvas(width, height);
    const double radius = std::min(10.0, height / 3.0);
    if (highlighted) {
        canvas.Plate(0.5, 0.5, width - 1, height - 1, radius, 2.5, kGold, kPanelLight, kDusk);
    } else {
        canvas.Plate(0.5, 0.5, width - 1, height - 1, radius, 1.5, kSteel, kDusk, kPanel);
    }
    canvas.DrawText(caption, width / 2.0, height / 2.0, highlighted ? kWhite : kIvory);
    return canvas;
}

PicturePtr TextButton(int width, int height, std::string_view caption, double cap_height) {
    const Canvas::TextMask mask = Canvas::MakeTextMask(caption, cap_height);
    return TwoFrames(ButtonFace(width, height, mask, true), ButtonFace(width, height, mask, false));
}

Canvas MagnifierFace(bool highlighted) {
    Canvas canvas(44, 48);
    canvas.Plate(0.5, 0.5, 43, 47, 8, highlighted ? 2.5 : 1.5, highlighted ? kGold : kSteel,
                 highlighted ? kPanelLight : kDusk, kPanel);
    Drawing lens(44, 48);
    const uint32_t metal = highlighted ? kGold : kIvory;
    lens.Fill(Shape().Circle({19, 20}, 10.5).CutCircle({19, 20}, 7.5), metal);
    lens.Fill(Shape().Circle({19, 20}, 7.5), 0x5088A8E0);
    lens.Fill(Shape().Capsule({27, 28}, {34, 36}, 2.8), metal);
    canvas.Draw(lens, 0, 0);
    return canvas;
}

// The sweep of the engine mark: a ring that closes around an "M", then the name below.
PicturePtr DrawEngineLogo() {
    constexpr int kWidth = 300;
    constexpr int kHeight = 250;
    constexpr int kSweepFrames = 16;
    constexpr double kCentreX = 150;
    constexpr double kCentreY = 100;
    constexpr double kOuter = 78;
    constexpr double kInner = 66;

    Canvas base(kWidth, kHeight, 0xFF000000);
    // Coverage and angle of every pixel of the ring, computed once for all frames.
    std::vector<double> coverage(static_cast<std::size_t>(kWidth) * kHeight, 0);
    std::vector<double> angle(coverage.size(), 0);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double d = std::hypot(x + (sx + 0.5) / kSamples - kCentreX,
                                                y + (sy + 0.5) / kSamples - kCentreY);
                    inside += d <= kOuter && d >= kInner ? 1 : 0;
                }
            }
            const std::size_t at = static_cast<std::size_t>(y) * kWidth + x;
            coverage[at] = static_cast<double>(inside) / (kSamples * kSamples);
            // Clockwise from the top, 0 to 1.
            const double a = std::atan2(x + 0.5 - kCentreX, kCentreY - (y + 0.5));
            angle[at] = (a < 0 ? a + 2 * std::numbers::pi : a) / (2 * std::numbers::pi);
        }
    }
    Canvas mark(kWidth, kHeight);
    mark.Text("M", kCentreX, kCentreY, 64, kIvory);
    Canvas name(kWidth, kHeight);
    name.Text("MORVANE", kCentreX, 212, 26, kGold);

    CompactPictureBuilder builder(kWidth, kHeight);
    for (int frame = 0; frame <= kSweepFrames + 2; ++frame) {
        Canvas canvas = base;
        const double sweep = std::min(1.0, static_cast<double>(frame) / kSweepFrames);
        for (std::size_t at = 0; at < coverage.size(); ++at) {
            if (coverage[at] > 0 && angle[at] <= sweep) {
                canvas.Blend(static_cast<int>(at % kWidth), static_cast<int>(at / kWidth),
                             Mix(kGoldDark, kGold, angle[at]), coverage[at]);
            }
        }
        // The letter fades in with the ring; the name follows once the ring is closed.
        const double letter = std::min(1.0, sweep * 1.5);
        const double title = frame > kSweepFrames ? (frame - kSweepFrames) / 2.0 : 0;
        for (std::size_t at = 0; at < coverage.size(); ++at) {
            const int x = static_cast<int>(at % kWidth);
            const int y = static_cast<int>(at / kWidth);
            if (Channel(mark.Pixels()[at], 24) != 0) {
                canvas.Blend(x, y, mark.Pixels()[at], letter);
            }
            if (title > 0 && Channel(name.Pixels()[at], 24) != 0) {
                canvas.Blend(x, y, name.Pixels()[at], title);
            }
        }
        // The finished mark stays a while before the logo ends.
        builder.AddFrame(canvas.Pixels().data(), frame == kSweepFrames + 2 ? 1500 : 80);
    }
    builder.SetLoopCount(1);
    return builder.Build();
}

// The shape of a two-frame button before it is drawn.
PictureShape TwoFrameShape(int width, int height) {
    return PictureShape{width, height, {kButtonFrameMs, kButtonFrameMs}};
}

PicturePtr DrawMenuBackground() {
    Canvas canvas(800, 600);
    canvas.VerticalGradient(0, 0, 800, 600, kDusk, kNight);
    // A thin gold frame inset from the edge, and a darker column behind the buttons.
    canvas.Plate(14, 14, 772, 572, 18, 2, kGoldDark, 0x00000000, 0x00000000);
    canvas.Plate(262, 112, 276, 414, 16, 2, kSteel, 0xC0101828, 0xC0080C16);
    canvas.Text("MAIN MENU", 400, 140, 16, kGold);
    return Still(canvas);
}

PicturePtr DrawGameFrame() {
    Canvas canvas(800, 600);
    canvas.VerticalGradient(0, 0, 800, 600, kDusk, kNight);
    // The scene view is drawn over this; its frame stands a few pixels proud of it.
    canvas.Plate(40, 48, 716, 491, 8, 3, kGoldDark, kWell, kWell);
    canvas.FillRect(48, 56, 700, 475, 0xFF000000);
    canvas.Plate(4, 4, 792, 46, 10, 1, 0x60FFFFFF, 0x40000000, 0x60000000);
    return Still(canvas);
}

PicturePtr DrawInventoryBar() {
    Canvas canvas(700, 52);
    canvas.Plate(0.5, 0.5, 699, 51, 8, 1.5, kSteel, kPanel, kNight);
    for (int slot = 0; slot < 16; ++slot) {
        canvas.Plate(7 + 43 * slot - 0.5, 5.5, 41, 41, 4, 1, 0xFF33446A, kWell, 0xFF111A2E);
    }
    return Still(canvas);
}

PicturePtr DrawPlate(int width, int height) {
    Canvas canvas(width, height);
    canvas.Plate(0.5, 0.5, width - 1, height - 1, std::min(10.0, height / 3.0), 1.5, kGoldDark,
                 kPanel, kNight);
    return Still(canvas);
}

}  // namespace

PicturePtr BuiltInLook::Get(Item item, PictureShape shape, std::function<PicturePtr()> draw) const {
    PicturePtr& picture = pictures_[static_cast<std::size_t>(item)];
    if (picture == nullptr) {
        picture = DrawOnDemand(std::move(shape), std::move(draw));
    }
    return picture;
}

PicturePtr BuiltInLook::EngineLogo() const {
    // Drawn at once: the logo starts playing as soon as it is set up, and drawing it while it
    // plays would hold its first frame for the time the drawing takes.
    PicturePtr& logo = pictures_[kEngineLogo];
    if (logo == nullptr) {
        logo = DrawEngineLogo();
    }
    return logo;
}

PicturePtr BuiltInLook::MenuBackground() const {
    return Get(kMenuBackground, {800, 600}, DrawMenuBackground);
}

PicturePtr BuiltInLook::MenuButton(int button) const {
    static constexpr std::array<std::string_view, 5> kCaptions{"Intro", "New Game", "Load Game",
                                                               "Menu Scene", "Quit"};
    if (button < 1 || button > 5) {
        Raise(ErrorNumber::kSubscriptOutOfRange);
    }
    return Get(static_cast<Item>(kMenuButton1 + button - 1), TwoFrameShape(200, 50), [button] {
        return TextButton(200, 50, kCaptions[static_cast<std::size_t>(button - 1)], 15);
    });
}

PicturePtr BuiltInLook::GameFrame() const {
    return Get(kGameFrame, {800, 600}, DrawGameFrame);
}

PicturePtr BuiltInLook::InventoryBar() const {
    return Get(kInventoryBar, {700, 52}, DrawInventoryBar);
}

PicturePtr BuiltInLook::MainMenuButton() const {
    return Get(kMainMenuButton, TwoFrameShape(110, 36),
               [] { return TextButton(110, 36, "Menu", 12); });
}

PicturePtr BuiltInLook::SaveButton() const {
    return Get(kSaveButton, TwoFrameShape(110, 36), [] { return TextButton(110, 36, "Save", 12); });
}

PicturePtr BuiltInLook::ExamineButton() const {
    return Get(kExamineButton, TwoFrameShape(44, 48),
               [] { return TwoFrames(MagnifierFace(true), MagnifierFace(false)); });
}

PicturePtr BuiltInLook::SmallScorePlate() const {
    return Get(kSmallScore, {120, 30}, [] { return DrawPlate(120, 30); });
}

PicturePtr BuiltInLook::LargeScorePlate() const {
    return Get(kLargeScore, {270, 40}, [] { return DrawPlate(270, 40); });
}

PicturePtr BuiltInLook::StatusPanel() const {
    return Get(kStatusPanel, {300, 40}, [] { return DrawPlate(300, 40); });
}

PicturePtr BuiltInLook::QuitQueryBackground() const {
    return Get(kQuitBackground, {240, 140}, [] {
        Canvas canvas(240, 140);
        canvas.Plate(0.5, 0.5, 239, 139, 12, 2.5, kGold, kDusk, kNight);
        return Still(canvas);
    });
}

PicturePtr BuiltInLook::QuitAnswer(int look) const {
    if (look < 1 || look > 4) {
        Raise(ErrorNumber::kSubscriptOutOfRange);
    }
    return Get(static_cast<Item>(kQuitAnswer1 + look - 1), {88, 40}, [look] {
        const bool highlighted = look % 2 == 1;
        return Still(
            ButtonFace(88, 40, Canvas::MakeTextMask(look <= 2 ? "Yes" : "No", 13), highlighted));
    });
}

}  // namespace morvane
