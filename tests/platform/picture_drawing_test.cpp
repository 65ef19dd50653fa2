#include "platform/picture_drawing.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace morvane {
namespace {

// Covering a grid primitive by primitive, each within its bounds, gives every sample the answer
// Contains gives: shapes of random circles, capsules, polygons and cuts, partly off the grid.
TEST(ShapeCover, AgreesWithContainsOnEverySample) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-4.0, 28.0);
    std::uniform_real_distribution<double> radius(0.0, 6.0);
    constexpr int kWidth = 24;
    constexpr int kHeight = 20;
    constexpr int kSamples = 3;
    for (int round = 0; round < 40; ++round) {
        Shape shape;
        for (int n = 0; n < 6; ++n) {
            const Point a{coordinate(random), coordinate(random)};
            const Point b{coordinate(random), coordinate(random)};
            switch ((round + n) % 6) {
                case 0:
                    shape.Circle(a, radius(random));
                    break;
                case 1:
                    shape.Capsule(a, b, radius(random));
                    break;
                case 2:
                    shape.Polygon({a, b, Point{coordinate(random), coordinate(random)}});
                    break;
                case 3:
                    shape.CutCircle(a, radius(random));
                    break;
                case 4:
                    shape.CutCapsule(a, b, radius(random));
                    break;
                default:
                    shape.Stroke({a, b, Point{coordinate(random), coordinate(random)}},
                                 radius(random));
                    break;
            }
        }
        std::vector<bool> mask(kWidth * kSamples * kHeight * kSamples, false);
        shape.Cover(mask, kWidth * kSamples, kHeight * kSamples, kSamples);
        for (int y = 0; y < kHeight * kSamples; ++y) {
            for (int x = 0; x < kWidth * kSamples; ++x) {
                const Point p{(x + 0.5) / kSamples, (y + 0.5) / kSamples};
                ASSERT_EQ(mask[static_cast<std::size_t>(y) * kWidth * kSamples + x],
                          shape.Contains(p))
                    << "round " << round << " sample " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace morvane
