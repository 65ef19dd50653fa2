#include "flow/stroke_font.h"

#include <cctype>
#include <vector>

namespace morvane {
namespace {

using Stroke = std::vector<Point>;
using Glyph = std::vector<Stroke>;

constexpr double kGlyphWidth = 4.0;
constexpr double kGlyphHeight = 6.0;
constexpr double kAdvance = 5.6;
constexpr double kStrokeShare = 0.085;  // stroke radius as a share of the capital height

const Stroke kRing{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}};

Glyph GlyphFor(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'A':
            return {{{0, 6}, {2, 0}, {4, 6}}, {{0.7, 4}, {3.3, 4}}};
        case 'B':
            return {{{0, 3},
                     {0, 0},
                     {3, 0},
                     {4, 0.8},
                     {4, 2.2},
                     {3, 3},
                     {0, 3},
                     {0, 6},
                     {3, 6},
                     {4, 5.2},
                     {4, 3.8},
                     {3, 3}}};
        case 'C':
            return {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}};
        case 'D':
            return {{{0, 0}, {0, 6}, {2.5, 6}, {4, 4.5}, {4, 1.5}, {2.5, 0}, {0, 0}}};
        case 'E':
            return {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}};
        case 'F':
            return {{{4, 0}, {0, 0}, {0, 6}}, {{0, 3}, {3, 3}}};
        case 'G':
            return {{{4, 1},
                     {3, 0},
                     {1, 0},
                     {0, 1},
                     {0, 5},
                     {1, 6},
                     {3, 6},
                     {4, 5},
                     {4, 3.5},
                     {2.3, 3.5}}};
        case 'H':
            return {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}};
        case 'I':
            return {{{2, 0}, {2, 6}}, {{1, 0}, {3, 0}}, {{1, 6}, {3, 6}}};
        case 'J':
            return {{{4, 0}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}};
        case 'K':
            return {{{0, 0}, {0, 6}}, {{4, 0}, {0, 3.6}}, {{1.4, 2.6}, {4, 6}}};
        case 'L':
            return {{{0, 0}, {0, 6}, {4, 6}}};
        case 'M':
            return {{{0, 6}, {0, 0}, {2, 3.6}, {4, 0}, {4, 6}}};
        case 'N':
            return {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}};
        case 'O':
            return {kRing};
        case 'P':
            return {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}};
        case 'Q':
            return {kRing, {{2.5, 4.5}, {4.2, 6.2}}};
        case 'R':
            return {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}};
        case 'S':
            return {{{4, 1},
                     {3, 0},
                     {1, 0},
                     {0, 1},
                     {0, 2},
                     {1, 3},
                     {3, 3},
                     {4, 4},
                     {4, 5},
                     {3, 6},
                     {1, 6},
                     {0, 5}}};
        case 'T':
            return {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}};
        case 'U':
            return {{{0, 0}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 0}}};
        case 'V':
            return {{{0, 0}, {2, 6}, {4, 0}}};
        case 'W':
            return {{{0, 0}, {1, 6}, {2, 2.5}, {3, 6}, {4, 0}}};
        case 'X':
            return {{{0, 0}, {4, 6}}, {{4, 0}, {0, 6}}};
        case 'Y':
            return {{{0, 0}, {2, 3}, {4, 0}}, {{2, 3}, {2, 6}}};
        case 'Z':
            return {{{0, 0}, {4, 0}, {0, 6}, {4, 6}}};
        case '?':
            return {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {2, 3.4}, {2, 4.2}},
                    {{2, 5.9}, {2, 6}}};
        case '-':
            return {{{0.8, 3}, {3.2, 3}}};
        case '.':
            return {{{2, 5.9}, {2, 6}}};
        default:
            return {};
    }
}

}  // namespace

double StrokeFont::TextWidth(std::string_view text, double cap_height) {
    if (text.empty()) {
        return 0;
    }
    const double unit = cap_height / kGlyphHeight;
    return ((static_cast<double>(text.size()) - 1) * kAdvance + kGlyphWidth) * unit;
}

void StrokeFont::AddText(Shape& shape, std::string_view text, double left, double top,
                         double cap_height) {
    const double unit = cap_height / kGlyphHeight;
    const double radius = cap_height * kStrokeShare;
    double x = left;
    for (char c : text) {
        for (const Stroke& stroke : GlyphFor(c)) {
            std::vector<Point> points;
            points.reserve(stroke.size());
            for (const Point& p : stroke) {
                points.push_back({x + p.x * unit, top + p.y * unit});
            }
            shape.Stroke(points, radius);
        }
        x += kAdvance * unit;
    }
}

}  // namespace morvane
