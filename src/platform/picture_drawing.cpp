#include "platform/picture_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvane {
namespace {

// Samples per pixel along each axis.
constexpr int kSamples = 4;

double SegmentDistanceSquared(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    double t = length > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x;
    const double ey = a.y + t * dy - p.y;
    return ex * ex + ey * ey;
}

bool InsidePolygon(Point p, const std::vector<Point>& points) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

}  // namespace

Point Rotated(Point p, Point centre, double degrees) {
    const double angle = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    return Point{centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

Shape& Shape::Polygon(std::vector<Point> points) {
    primitives_.push_back(Primitive{Kind::kPolygon, false, std::move(points), 0});
    return *this;
}
Shape& Shape::Circle(Point centre, double radius) {
    primitives_.push_back(Primitive{Kind::kCircle, false, {centre}, radius});
    return *this;
}
Shape& Shape::Capsule(Point a, Point b, double radius) {
    primitives_.push_back(Primitive{Kind::kCapsule, false, {a, b}, radius});
    return *this;
}
Shape& Shape::Stroke(const std::vector<Point>& points, double radius) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        Capsule(points[i - 1], points[i], radius);
    }
    return *this;
}
Shape& Shape::CutCircle(Point centre, double radius) {
    primitives_.push_back(Primitive{Kind::kCircle, true, {centre}, radius});
    return *this;
}
Shape& Shape::CutCapsule(Point a, Point b, double radius) {
    primitives_.push_back(Primitive{Kind::kCapsule, true, {a, b}, radius});
    return *this;
}

bool Shape::Contains(Point p) const {
    bool inside = false;
    for (const Primitive& primitive : primitives_) {
        bool hit = false;
        switch (primitive.kind) {
            case Kind::kPolygon:
                hit = InsidePolygon(p, primitive.points);
                break;
            case Kind::kCircle: {
                const double dx = p.x - primitive.points[0].x;
                const double dy = p.y - primitive.points[0].y;
                hit = dx * dx + dy * dy <= primitive.radius * primitive.radius;
                break;
            }
            case Kind::kCapsule:
                hit = SegmentDistanceSquared(p, primitive.points[0], primitive.points[1]) <=
                      primitive.radius * primitive.radius;
                break;
        }
        if (hit) {
            inside = !primitive.cut;
        }
    }
    return inside;
}

Shape::Bounds Shape::BoundsOf(const Primitive& primitive) {
    Bounds bounds{primitive.points[0].x, primitive.points[0].y, primitive.points[0].x,
                  primitive.points[0].y};
    for (const Point& p : primitive.points) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    const double r = primitive.kind == Kind::kPolygon ? 0.0 : primitive.radius;
    return Bounds{bounds.left - r, bounds.top - r, bounds.right + r, bounds.bottom + r};
}

void Shape::Cover(std::vector<bool>& mask, int width, int height, int samples) const {
    // The same answer as Contains for every sample, primitive by primitive in order, each only
    // over the samples its bounds can reach: text of many strokes draws in a fraction of the
    // time.
    for (const Primitive& primitive : primitives_) {
        if (primitive.points.empty()) {
            continue;
        }
        const Bounds b = BoundsOf(primitive);
        const int x0 = std::max(0, static_cast<int>(std::floor(b.left * samples - 0.5)));
        const int y0 = std::max(0, static_cast<int>(std::floor(b.top * samples - 0.5)));
        const int x1 = std::min(width - 1, static_cast<int>(std::ceil(b.right * samples - 0.5)));
        const int y1 = std::min(height - 1, static_cast<int>(std::ceil(b.bottom * samples - 0.5)));
        Shape single;
        single.primitives_.push_back(
            Primitive{primitive.kind, false, primitive.points, primitive.radius});
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const Point p{(x + 0.5) / samples, (y + 0.5) / samples};
                if (single.Contains(p)) {
                    mask[static_cast<std::size_t>(y) * width + x] = !primitive.cut;
                }
            }
        }
    }
}

Drawing::Drawing(int width, int height)
    : width_(width),
      height_(height),
      samples_width_(width * kSamples),
      samples_height_(height * kSamples),
      samples_(static_cast<std::size_t>(samples_width_) * samples_height_, 0) {}

std::vector<bool> Drawing::Mask(const Shape& shape) const {
    std::vector<bool> mask(samples_.size(), false);
    shape.Cover(mask, samples_width_, samples_height_, kSamples);
    return mask;
}

void Drawing::Paint(const std::vector<bool>& mask, uint32_t argb) {
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        if (mask[i]) {
            samples_[i] = argb;
        }
    }
}

void Drawing::Fill(const Shape& shape, uint32_t argb) {
    Paint(Mask(shape), argb);
}

void Drawing::FillOutlined(const Shape& shape, uint32_t fill, uint32_t outline, double border) {
    const std::vector<bool> mask = Mask(shape);
    const int reach = static_cast<int>(std::ceil(border * kSamples));
    const double reach_squared = border * kSamples * border * kSamples;
    std::vector<bool> grown = mask;
    for (int y = 0; y < samples_height_; ++y) {
        for (int x = 0; x < samples_width_; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * samples_width_ + x;
            if (!mask[at]) {
                continue;
            }
            // Only samples on the shape's edge can reach outside it.
            const bool interior = x > 0 && y > 0 && x + 1 < samples_width_ &&
                                  y + 1 < samples_height_ && mask[at - 1] && mask[at + 1] &&
                                  mask[at - samples_width_] && mask[at + samples_width_];
            if (interior) {
                continue;
            }
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int gx = x + dx;
                    const int gy = y + dy;
                    if (gx < 0 || gy < 0 || gx >= samples_width_ || gy >= samples_height_ ||
                        dx * dx + dy * dy > reach_squared) {
                        continue;
                    }
                    grown[static_cast<std::size_t>(gy) * samples_width_ + gx] = true;
                }
            }
        }
    }
    Paint(grown, outline);
    Paint(mask, fill);
}

std::vector<uint32_t> Drawing::Pixels() const {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width_) * height_, 0);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            // Averaged with premultiplied alpha, so edges against transparency keep their colour.
            uint32_t a = 0;
            uint32_t r = 0;
            uint32_t g = 0;
            uint32_t b = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const uint32_t c =
                        samples_[static_cast<std::size_t>(y * kSamples + sy) * samples_width_ +
                                 x * kSamples + sx];
                    const uint32_t alpha = c >> 24;
                    a += alpha;
                    r += ((c >> 16) & 0xFF) * alpha;
                    g += ((c >> 8) & 0xFF) * alpha;
                    b += (c & 0xFF) * alpha;
                }
            }
            if (a == 0) {
                continue;
            }
            const uint32_t alpha = (a + kSamples * kSamples / 2) / (kSamples * kSamples);
            pixels[static_cast<std::size_t>(y) * width_ + x] =
                (alpha << 24) | (((r + a / 2) / a) << 16) | (((g + a / 2) / a) << 8) |
                ((b + a / 2) / a);
        }
    }
    return pixels;
}

}  // namespace morvane
