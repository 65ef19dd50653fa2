#include "scenery.h"

#include <cmath>
#include <vector>

namespace morvane::demo {

void DrawSea(Canvas& canvas, int top, int bottom, Rgb far_colour, Rgb near_colour, unsigned seed) {
    const int bands = 8;
    for (int y = top; y < bottom; ++y) {
        const int band = (y - top) * bands / std::max(1, bottom - top);
        canvas.FillRect(0, y, canvas.Width(), 1,
                        Mix(far_colour, near_colour, static_cast<double>(band) / (bands - 1)));
    }
    Random random(seed);
    const Rgb crest = Mix(near_colour, palette::kFoam, 0.45);
    for (int y = top + 6; y < bottom; y += 9 + (y - top) / 10) {
        const double depth = static_cast<double>(y - top) / std::max(1, bottom - top);
        const int length = 6 + static_cast<int>(depth * 30);
        for (int x = random.Below(40); x < canvas.Width(); x += length * 2 + random.Below(50)) {
            canvas.FillRect(x, y, length, 1 + static_cast<int>(depth * 2), crest);
        }
    }
}

void DrawStars(Canvas& canvas, int bottom, int count, unsigned seed) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const int x = random.Below(canvas.Width());
        const int y = random.Below(bottom);
        const bool big = random.Below(6) == 0;
        canvas.FillRect(x, y, big ? 2 : 1, big ? 2 : 1, Rgb{230, 230, 250});
    }
}

void DrawLighthouse(Canvas& canvas, double cx, double base, double height, double width, bool lit) {
    const double top = base - height;
    const double top_width = width * 0.62;
    // The tower in red and white rings.
    const int rings = 5;
    for (int i = 0; i < rings; ++i) {
        const double y0 = base - height * i / rings;
        const double y1 = base - height * (i + 1) / rings;
        const double w0 = width + (top_width - width) * i / rings;
        const double w1 = width + (top_width - width) * (i + 1) / rings;
        canvas.FillPolygon(
            {{cx - w0 / 2, y0}, {cx + w0 / 2, y0}, {cx + w1 / 2, y1}, {cx - w1 / 2, y1}},
            i % 2 == 0 ? palette::kWhite : palette::kRed);
    }
    // A shaded side.
    canvas.FillPolygon({{cx + width * 0.18, base},
                        {cx + width / 2, base},
                        {cx + top_width / 2, top},
                        {cx + top_width * 0.18, top}},
                       Rgb{0, 0, 0});
    for (int i = 0; i < rings; ++i) {
        const double y0 = base - height * i / rings;
        const double y1 = base - height * (i + 1) / rings;
        const double w0 = width + (top_width - width) * i / rings;
        const double w1 = width + (top_width - width) * (i + 1) / rings;
        canvas.FillPolygon(
            {{cx + w0 * 0.18, y0}, {cx + w0 / 2, y0}, {cx + w1 / 2, y1}, {cx + w1 * 0.18, y1}},
            i % 2 == 0 ? Rgb{196, 192, 184} : Rgb{130, 34, 32});
    }
    // Gallery, lantern and roof.
    const double lantern = top_width * 0.8;
    canvas.FillRect(static_cast<int>(cx - top_width * 0.7), static_cast<int>(top - 6),
                    static_cast<int>(top_width * 1.4), 6, Rgb{40, 40, 46});
    canvas.FillRect(static_cast<int>(cx - lantern / 2), static_cast<int>(top - 6 - lantern * 0.9),
                    static_cast<int>(lantern), static_cast<int>(lantern * 0.9),
                    lit ? palette::kLight : Rgb{70, 90, 110});
    canvas.FillRect(static_cast<int>(cx - 1), static_cast<int>(top - 6 - lantern * 0.9), 2,
                    static_cast<int>(lantern * 0.9), Rgb{40, 40, 46});
    canvas.FillPolygon({{cx - lantern * 0.65, top - 6 - lantern * 0.9},
                        {cx + lantern * 0.65, top - 6 - lantern * 0.9},
                        {cx, top - 6 - lantern * 1.5}},
                       Rgb{40, 40, 46});
    if (lit) {
        const double ly = top - 6 - lantern * 0.45;
        canvas.FillPolygon({{cx, ly - 3},
                            {cx - height * 1.6, ly - height * 0.22},
                            {cx - height * 1.6, ly + height * 0.12},
                            {cx, ly + 3}},
                           Rgb{176, 166, 124});
        canvas.FillCircle(cx, ly, lantern * 0.35, palette::kLight);
    }
}

void DrawRocks(Canvas& canvas, double x0, double x1, double base, double height, unsigned seed) {
    Random random(seed);
    std::vector<std::pair<double, double>> points{{x0, base}};
    const int steps = 8;
    for (int i = 1; i < steps; ++i) {
        const double x = x0 + (x1 - x0) * i / steps;
        const double hump = std::sin(3.14159 * i / steps);
        points.emplace_back(x, base - height * hump * (0.7 + 0.3 * random.Unit()));
    }
    points.emplace_back(x1, base);
    canvas.FillPolygon(points, palette::kRock);
    for (auto& [x, y] : points) {
        y += height * 0.25;
        x += 4;
    }
    points.front().second = base;
    points.back().second = base;
    canvas.FillPolygon(points, Rgb{62, 58, 64});
}

}  // namespace morvane::demo
