#pragma once

#include <cstdint>
#include <vector>

namespace morvane {

// A small anti-aliased painter for the pictures the player draws itself (default pointers,
// placeholders). Coordinates are in pixels of the finished picture, (0, 0) the top-left corner
// of the top-left pixel; shapes are sampled several times per pixel, so the result is smooth
// and the same on every machine.

struct Point {
    double x = 0;
    double y = 0;
};

Point Rotated(Point p, Point centre, double degrees);

// A region made of primitives, each added to or cut from what came before it.
class Shape {
  public:
    Shape& Polygon(std::vector<Point> points);
    Shape& Circle(Point centre, double radius);
    // A thick line with round ends.
    Shape& Capsule(Point a, Point b, double radius);
    // A thick polyline of capsules.
    Shape& Stroke(const std::vector<Point>& points, double radius);
    Shape& CutCircle(Point centre, double radius);
    Shape& CutCapsule(Point a, Point b, double radius);

    bool Contains(Point p) const;
    // Sets each sample of a width x height grid (`samples` to a pixel, row by row) to whether
    // the shape contains the sample's centre, as Contains says, leaving the samples the shape
    // cannot reach as they are.
    void Cover(std::vector<bool>& mask, int width, int height, int samples) const;

  private:
    enum class Kind { kPolygon, kCircle, kCapsule };
    struct Primitive {
        Kind kind;
        bool cut;
        std::vector<Point> points;
        double radius;
    };
    struct Bounds {
        double left, top, right, bottom;
    };
    static Bounds BoundsOf(const Primitive& primitive);
    std::vector<Primitive> primitives_;
};

class Drawing {
  public:
    Drawing(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(const Shape& shape, uint32_t argb);
    // Fills the shape and draws a border of `border` pixels around it, over what lies below.
    void FillOutlined(const Shape& shape, uint32_t fill, uint32_t outline, double border);

    // The picture as 0xAARRGGBB pixels with straight alpha.
    std::vector<uint32_t> Pixels() const;

  private:
    std::vector<bool> Mask(const Shape& shape) const;
    void Paint(const std::vector<bool>& mask, uint32_t argb);

    int width_;
    int height_;
    int samples_width_;
    int samples_height_;
    std::vector<uint32_t> samples_;
};

}  // namespace morvane
