#include "platform/builtin_pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/runtime_error.h"
#include "platform/picture_drawing.h"
#include "platform/picture_on_demand.h"
#include "platform/picture_store.h"

namespace morvane {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWood = 0xFF8B5A2B;
constexpr uint32_t kDoorway = 0xFF1E1E28;
constexpr uint32_t kSand = 0xFFE0B040;
constexpr uint32_t kGlass = 0xFFE8F0FF;
constexpr uint32_t kSteel = 0xFFD0D4DC;
constexpr uint32_t kHub = 0xFF505868;
constexpr uint32_t kRed = 0xFFD02020;
constexpr uint32_t kBlue = 0xFF3A5FCD;
constexpr uint32_t kPaper = 0xFFF4F4F4;
constexpr uint32_t kFold = 0xFFC8C8C8;
constexpr uint32_t kFrame = 0xFFB0B0B0;
constexpr uint32_t kCanvas = 0xFFE8E8E8;
constexpr uint32_t kHill = 0xFF70A060;
constexpr uint32_t kSun = 0xFFF0C040;

// Thin enough to keep the shapes open at 32 x 32, thick enough to show on any background.
constexpr double kBorder = 1.0;
constexpr int kSize = BuiltInPictures::kPointerSize;
const Point kCentre{16, 16};

Shape Rect(double left, double top, double right, double bottom) {
    return Shape().Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

PicturePtr Finish(const Drawing& drawing, std::optional<HotSpot> hot_spot) {
    return MakeStillPicture(drawing.Width(), drawing.Height(), drawing.Pixels(), {}, hot_spot);
}

HotSpot Clamped(Point p) {
    return HotSpot{std::clamp(static_cast<int>(std::floor(p.x)), 0, kSize - 1),
                   std::clamp(static_cast<int>(std::floor(p.y)), 0, kSize - 1)};
}

// A broad arrow pointing up, turned clockwise by `degrees`; it points with its tip.
PicturePtr DirectionArrow(double degrees) {
    const std::vector<Point> up{{16, 2.5},  {27, 13.5},   {20.5, 13.5}, {20.5, 29},
                                {11.5, 29}, {11.5, 13.5}, {5, 13.5}};
    std::vector<Point> turned;
    for (const Point& p : up) {
        turned.push_back(Rotated(p, kCentre, degrees));
    }
    Drawing drawing(kSize, kSize);
    drawing.FillOutlined(Shape().Polygon(turned), kWhite, kBlack, kBorder);
    return Finish(drawing, Clamped(Rotated(up[0], kCentre, degrees)));
}

PicturePtr NormalArrow() {
    Drawing drawing(kSize, kSize);
    drawing.FillOutlined(
        Shape().Polygon(
            {{1.5, 1.5}, {1.5, 23}, {7, 18}, {11, 26.5}, {14.5, 25}, {10.5, 17}, {17.5, 17}}),
        kWhite, kBlack, kBorder);
    return Finish(drawing, HotSpot{1, 1});
}

PicturePtr Exit() {
    Drawing drawing(kSize, kSize);
    drawing.FillOutlined(Rect(5, 3, 19, 29), kWood, kBlack, kBorder);
    drawing.Fill(Rect(8, 6, 16, 29), kDoorway);
    drawing.FillOutlined(
        Shape().Polygon(
            {{30.5, 16.5}, {23, 9}, {23, 13.5}, {12, 13.5}, {12, 19.5}, {23, 19.5}, {23, 24}}),
        kWhite, kBlack, kBorder);
    return Finish(drawing, HotSpot{16, 16});
}

PicturePtr Crosshair() {
    Shape shape;
    shape.Circle(kCentre, 9.5).CutCircle(kCentre, 7);
    shape.Capsule({16, 2.5}, {16, 9}, 1.1).Capsule({16, 23}, {16, 29.5}, 1.1);
    shape.Capsule({2.5, 16}, {9, 16}, 1.1).Capsule({23, 16}, {29.5, 16}, 1.1);
    shape.Circle(kCentre, 1.6);
    Drawing drawing(kSize, kSize);
    drawing.FillOutlined(shape, kWhite, kBlack, kBorder);
    return Finish(drawing, HotSpot{16, 16});
}

// Fingers are outlined one by one so they stay apart; the lines the palm's outline draws
// across their roots are painted over again.
void DrawHand(Drawing& drawing, const std::vector<std::pair<Point, Point>>& fingers,
              double finger_radius, const Shape& palm, double palm_top) {
    for (const auto& [root, tip] : fingers) {
        drawing.FillOutlined(Shape().Capsule(root, tip, finger_radius), kWhite, kBlack, kBorder);
    }
    drawing.FillOutlined(palm, kWhite, kBlack, kBorder);
    for (const auto& [root, tip] : fingers) {
        if (root.y >= palm_top) {
            drawing.Fill(Shape().Capsule({root.x, palm_top + 1.5}, {root.x, palm_top - 2},
                                         finger_radius - 0.9),
                         kWhite);
        }
    }
}

PicturePtr OpenHand() {
    Drawing drawing(kSize, kSize);
    const std::vector<std::pair<Point, Point>> fingers{
        {{9.5, 19}, {9.5, 6.5}}, {{14, 18}, {14, 4}}, {{18.5, 18}, {18.5, 5}}, {{23, 19}, {23, 9}}};
    drawing.FillOutlined(Shape().Capsule({8, 23}, {3.5, 16.5}, 2.3), kWhite, kBlack, kBorder);
    DrawHand(drawing, fingers, 2.2, Shape().Capsule({12, 22.5}, {20, 22.5}, 6.3), 16.2);
    return Finish(drawing, HotSpot{14, 3});
}

PicturePtr PointingHand() {
    Drawing drawing(kSize, kSize);
    const std::vector<std::pair<Point, Point>> fingers{{{12, 18}, {12, 3.5}},
                                                       {{16.5, 17}, {16.5, 14}},
                                                       {{20.5, 17.5}, {20.5, 15}},
                                                       {{24.5, 19}, {24.5, 17}}};
    drawing.FillOutlined(Shape().Capsule({9.5, 23}, {5.5, 18}, 2.3), kWhite, kBlack, kBorder);
    DrawHand(drawing, fingers, 2.3, Shape().Capsule({15, 23.5}, {20.5, 23.5}, 6), 17.5);
    return Finish(drawing, HotSpot{12, 1});
}

PicturePtr Gear() {
    Shape shape;
    shape.Circle(kCentre, 9);
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double degrees = 45.0 * tooth;
        shape.Capsule(Rotated({16, 8}, kCentre, degrees), Rotated({16, 3.5}, kCentre, degrees),
                      2.3);
    }
    Drawing drawing(kSize, kSize);
    drawing.FillOutlined(shape, kSteel, kBlack, kBorder);
    drawing.Fill(Shape().Circle(kCentre, 3.2), kHub);
    return Finish(drawing, HotSpot{16, 16});
}

PicturePtr Hourglass() {
    Drawing drawing(kSize, kSize);
    drawing.FillOutlined(
        Shape().Polygon({{9, 6}, {23, 6}, {17.2, 16}, {23, 26}, {9, 26}, {14.8, 16}}), kGlass,
        kBlack, kBorder);
    drawing.Fill(Shape().Polygon({{11.3, 8.5}, {20.7, 8.5}, {16, 14.5}}), kSand);
    drawing.Fill(Shape().Polygon({{10.5, 24.5}, {21.5, 24.5}, {16, 19.5}}), kSand);
    drawing.Fill(Shape().Capsule({16, 14.5}, {16, 24}, 0.5), kSand);
    drawing.FillOutlined(Shape().Capsule({7, 4.5}, {25, 4.5}, 2), kWood, kBlack, kBorder);
    drawing.FillOutlined(Shape().Capsule({7, 27.5}, {25, 27.5}, 2), kWood, kBlack, kBorder);
    return Finish(drawing, HotSpot{16, 16});
}

PicturePtr DrawPointer(PointerRole role) {
    switch (role) {
        case PointerRole::kUp:
            return DirectionArrow(0);
        case PointerRole::kDown:
            return DirectionArrow(180);
        case PointerRole::kLeft:
            return DirectionArrow(270);
        case PointerRole::kRight:
            return DirectionArrow(90);
        case PointerRole::kUpLeft:
            return DirectionArrow(315);
        case PointerRole::kUpRight:
            return DirectionArrow(45);
        case PointerRole::kDownLeft:
            return DirectionArrow(225);
        case PointerRole::kDownRight:
            return DirectionArrow(135);
        case PointerRole::kExit:
            return Exit();
        case PointerRole::kHotSpot:
            return Crosshair();
        case PointerRole::kGoodie:
            return OpenHand();
        case PointerRole::kReactor:
            return Gear();
        case PointerRole::kNormal:
            return NormalArrow();
        case PointerRole::kWait:
            return Hourglass();
        case PointerRole::kButtons:
            return PointingHand();
    }
    return NormalArrow();
}

constexpr int kPlace = BuiltInPictures::kPlaceholderSize;

PicturePtr FileNotFound() {
    Drawing drawing(kPlace, kPlace);
    drawing.FillOutlined(Shape().Polygon({{14, 6}, {40, 6}, {50, 16}, {50, 58}, {14, 58}}), kPaper,
                         kBlack, 1.5);
    drawing.FillOutlined(Shape().Polygon({{40, 6}, {40, 16}, {50, 16}}), kFold, kBlack, 1);
    drawing.Fill(Shape().Capsule({22, 26}, {42, 48}, 3.2).Capsule({42, 26}, {22, 48}, 3.2), kRed);
    return Finish(drawing, std::nullopt);
}

PicturePtr UnknownObject() {
    Drawing drawing(kPlace, kPlace);
    drawing.FillOutlined(Shape().Circle({32, 32}, 26), kBlue, kBlack, 1.5);
    std::vector<Point> mark;
    for (int degrees = 170; degrees <= 400; degrees += 10) {
        const double angle = degrees * std::numbers::pi / 180.0;
        mark.push_back({32 + 9 * std::cos(angle), 24 + 9 * std::sin(angle)});
    }
    mark.push_back({32, 35});
    mark.push_back({32, 39});
    drawing.Fill(Shape().Stroke(mark, 3.2).Circle({32, 48}, 3.4), kWhite);
    return Finish(drawing, std::nullopt);
}

PicturePtr NoPicture() {
    Drawing drawing(kPlace, kPlace);
    drawing.FillOutlined(Rect(6, 10, 58, 54), kFrame, kBlack, 1.5);
    drawing.Fill(Rect(11, 15, 53, 49), kCanvas);
    drawing.Fill(Shape().Polygon({{11, 49}, {24, 30}, {33, 41}, {41, 33}, {53, 47}, {53, 49}}),
                 kHill);
    drawing.Fill(Shape().Circle({21, 23}, 4), kSun);
    drawing.FillOutlined(Shape().Capsule({10, 56}, {54, 8}, 3), kRed, kWhite, 1);
    return Finish(drawing, std::nullopt);
}

}  // namespace

BuiltInPictures::BuiltInPictures() {
    // Each is drawn when first shown: a headless run draws none of them.
    for (int n = 1; n <= kPointerCount; ++n) {
        pointers_[n - 1] =
            DrawOnDemand({kSize, kSize}, [n] { return DrawPointer(static_cast<PointerRole>(n)); });
    }
    placeholders_[static_cast<int>(BuiltIn::kFileNotFound)] =
        DrawOnDemand({kPlace, kPlace}, FileNotFound);
    placeholders_[static_cast<int>(BuiltIn::kUnknownObject)] =
        DrawOnDemand({kPlace, kPlace}, UnknownObject);
    placeholders_[static_cast<int>(BuiltIn::kNoPicture)] =
        DrawOnDemand({kPlace, kPlace}, NoPicture);
}

PicturePtr BuiltInPictures::Defaults(int n) const {
    if (n < 1 || n > kPointerCount) {
        Raise(ErrorNumber::kSubscriptOutOfRange);
    }
    return pointers_[n - 1];
}

PicturePtr BuiltInPictures::BuiltInPicture(BuiltIn which) const {
    return placeholders_.at(static_cast<std::size_t>(which));
}

std::string_view BuiltInPictures::PointerCaption(int n) {
    static constexpr std::array<std::string_view, kPointerCount> kCaptions{
        "UP",   "DOWN",    "LEFT",   "RIGHT",   "UP-L",   "UP-R", "DOWN-L", "DOWN-R",
        "EXIT", "HOTSPOT", "GOODIE", "REACTOR", "NORMAL", "WAIT", "BUTTONS"};
    if (n < 1 || n > kPointerCount) {
        Raise(ErrorNumber::kSubscriptOutOfRange);
    }
    return kCaptions[n - 1];
}

}  // namespace morvane
