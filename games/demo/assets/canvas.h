#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace morvane::demo {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// Mixes a and b: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

// A drawing surface whose pixels are either a colour or transparent. Pictures are drawn with
// hard edges only, so that they survive the trip to a GIF palette with one transparent index.
class Canvas {
  public:
    Canvas(int width, int height);  // fully transparent

    int Width() const { return width_; }
    int Height() const { return height_; }

    bool IsOpaque(int x, int y) const;
    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb colour);  // ignores points outside
    void Clear(int x, int y);

    void Fill(Rgb colour);
    void FillRect(int left, int top, int width, int height, Rgb colour);
    void FrameRect(int left, int top, int width, int height, int thickness, Rgb colour);
    // Top to bottom from `top_colour` to `bottom_colour` in `bands` flat steps.
    void VerticalGradient(int top, int height, Rgb top_colour, Rgb bottom_colour, int bands);
    void FillEllipse(double cx, double cy, double rx, double ry, Rgb colour);
    void FillCircle(double cx, double cy, double radius, Rgb colour) {
        FillEllipse(cx, cy, radius, radius, colour);
    }
    void EllipseRing(double cx, double cy, double rx, double ry, double thickness, Rgb colour);
    // Even-odd filled polygon.
    void FillPolygon(const std::vector<std::pair<double, double>>& points, Rgb colour);
    void Line(double x0, double y0, double x1, double y1, double thickness, Rgb colour);
    // Copies the opaque pixels of `source` with its top left corner at (left, top).
    void Draw(const Canvas& source, int left, int top);
    // A thin outline of `colour` around every opaque area, for sprites seen against any ground.
    void Outline(Rgb colour);

  private:
    int width_;
    int height_;
    std::vector<Rgb> colour_;
    std::vector<uint8_t> opaque_;
};

// A small deterministic random source: the same assets come out of every run.
class Random {
  public:
    explicit Random(uint32_t seed) : state_(seed) {}
    uint32_t Next();
    int Below(int bound) { return static_cast<int>(Next() % static_cast<uint32_t>(bound)); }
    double Unit() { return static_cast<double>(Next() % 1000000U) / 1000000.0; }

  private:
    uint32_t state_;
};

}  // namespace morvane::demo
