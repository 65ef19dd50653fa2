#include "platform/sdl/canvas_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace morvane::sdl {
namespace {

constexpr int kW = 800;
constexpr int kH = 600;

TEST(CanvasLayoutTest, TheCanvasKeepsItsAspectRatioAndIsCentred) {
    for (const Scaling scaling : {Scaling::kSharp, Scaling::kSmooth}) {
        for (const auto& [width, height] : {std::pair{800, 600},
                                            {1000, 600},
                                            {1600, 1200},
                                            {1920, 1080},
                                            {640, 480},
                                            {1024, 900}}) {
            const CanvasLayout layout(kW, kH, width, height, scaling);
            const Rect& d = layout.Destination();
            SCOPED_TRACE(::testing::Message() << width << "x" << height);
            EXPECT_LE(d.left + d.width, width);
            EXPECT_LE(d.top + d.height, height);
            EXPECT_GE(d.left, 0);
            EXPECT_GE(d.top, 0);
            EXPECT_LE(std::abs(d.width * kH - d.height * kW), kW);
            EXPECT_LE(std::abs((width - d.width) - 2 * d.left), 1);
            EXPECT_LE(std::abs((height - d.height) - 2 * d.top), 1);
        }
    }
}

TEST(CanvasLayoutTest, SharpScalingUsesWholeMultiplesWhenTheyFit) {
    const CanvasLayout twice(kW, kH, 1700, 1300, Scaling::kSharp);
    EXPECT_EQ(twice.Destination(), (Rect{50, 50, 1600, 1200}));
    const CanvasLayout once(kW, kH, 1000, 900, Scaling::kSharp);
    EXPECT_EQ(once.Destination(), (Rect{100, 150, 800, 600}));
    // Smooth scaling fills what the aspect ratio allows instead.
    const CanvasLayout smooth(kW, kH, 1000, 900, Scaling::kSmooth);
    EXPECT_EQ(smooth.Destination().width, 1000);
    EXPECT_EQ(smooth.Destination().height, 750);
    // A window smaller than the canvas shrinks it in either mode.
    const CanvasLayout small(kW, kH, 400, 400, Scaling::kSharp);
    EXPECT_EQ(small.Destination(), (Rect{0, 50, 400, 300}));
}

TEST(CanvasLayoutTest, WindowPointsMapBackToTheCanvas) {
    // A 1600 x 1200 window shows every canvas pixel as a 2 x 2 block.
    const CanvasLayout doubled(kW, kH, 1600, 1200, Scaling::kSharp);
    EXPECT_EQ(doubled.WindowToCanvas({0, 0}), (Point{0, 0}));
    EXPECT_EQ(doubled.WindowToCanvas({1599, 1199}), (Point{799, 599}));
    EXPECT_EQ(doubled.WindowToCanvas({297, 301}), (Point{148, 150}));

    // A 1000 x 600 window letterboxes 100 pixels on either side.
    const CanvasLayout boxed(kW, kH, 1000, 600, Scaling::kSmooth);
    EXPECT_EQ(boxed.WindowToCanvas({100, 0}), (Point{0, 0}));
    EXPECT_EQ(boxed.WindowToCanvas({899, 599}), (Point{799, 599}));
    // The letterbox lies outside the canvas, where nothing can be hit.
    EXPECT_LT(boxed.WindowToCanvas({99, 300}).x, 0);
    EXPECT_GE(boxed.WindowToCanvas({900, 300}).x, kW);

    for (const auto& [width, height, scaling] : {std::tuple{1600, 1200, Scaling::kSharp},
                                                 {1000, 600, Scaling::kSmooth},
                                                 {1366, 768, Scaling::kSmooth},
                                                 {1366, 768, Scaling::kSharp},
                                                 {2560, 1440, Scaling::kSharp}}) {
        const CanvasLayout layout(kW, kH, width, height, scaling);
        for (const Point p : {Point{0, 0}, Point{799, 599}, Point{148, 150}, Point{401, 13}}) {
            EXPECT_EQ(layout.WindowToCanvas(layout.CanvasToWindow(p)), p)
                << width << "x" << height << " at " << p.x << "," << p.y;
        }
    }
}

}  // namespace
}  // namespace morvane::sdl
