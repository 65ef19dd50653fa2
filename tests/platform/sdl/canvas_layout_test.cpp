#include "platform/sdl/canvas_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvane::sdl {
namespace {

constexpr int kW = 800;
constexpr int kH = 600;

struct ScreenCase {
    int width;
    int height;
    Scaling scaling;
    Rect destination;
    int magnification;
    bool filtered;
};

// The common screens, each in the three modes.
const std::vector<ScreenCase> kScreens = {
    {800, 600, Scaling::kFit, {0, 0, 800, 600}, 1, false},
    {800, 600, Scaling::kInteger, {0, 0, 800, 600}, 1, false},
    {800, 600, Scaling::kSmooth, {0, 0, 800, 600}, 1, false},
    {1024, 768, Scaling::kFit, {0, 0, 1024, 768}, 2, true},
    {1024, 768, Scaling::kInteger, {112, 84, 800, 600}, 1, false},
    {1024, 768, Scaling::kSmooth, {0, 0, 1024, 768}, 1, true},
    {1280, 720, Scaling::kFit, {160, 0, 960, 720}, 2, true},
    {1280, 720, Scaling::kInteger, {240, 60, 800, 600}, 1, false},
    {1280, 720, Scaling::kSmooth, {160, 0, 960, 720}, 1, true},
    {1366, 768, Scaling::kFit, {171, 0, 1024, 768}, 2, true},
    {1366, 768, Scaling::kInteger, {283, 84, 800, 600}, 1, false},
    {1366, 768, Scaling::kSmooth, {171, 0, 1024, 768}, 1, true},
    {1920, 1080, Scaling::kFit, {240, 0, 1440, 1080}, 2, true},
    {1920, 1080, Scaling::kInteger, {560, 240, 800, 600}, 1, false},
    {1920, 1080, Scaling::kSmooth, {240, 0, 1440, 1080}, 1, true},
    {2560, 1440, Scaling::kFit, {320, 0, 1920, 1440}, 3, true},
    {2560, 1440, Scaling::kInteger, {480, 120, 1600, 1200}, 2, false},
    {2560, 1440, Scaling::kSmooth, {320, 0, 1920, 1440}, 1, true},
    {3840, 2160, Scaling::kFit, {480, 0, 2880, 2160}, 4, true},
    {3840, 2160, Scaling::kInteger, {720, 180, 2400, 1800}, 3, false},
    {3840, 2160, Scaling::kSmooth, {480, 0, 2880, 2160}, 1, true},
    // Whole multiples need no filtering in any mode.
    {1600, 1200, Scaling::kFit, {0, 0, 1600, 1200}, 2, false},
    {1700, 1300, Scaling::kInteger, {50, 50, 1600, 1200}, 2, false},
    // A window smaller than the canvas shrinks it, filtered, whatever the mode.
    {400, 400, Scaling::kFit, {0, 50, 400, 300}, 1, true},
    {400, 400, Scaling::kInteger, {0, 50, 400, 300}, 1, true},
};

::testing::Message Describe(const ScreenCase& screen) {
    return ::testing::Message() << screen.width << "x" << screen.height << " "
                                << ScalingName(screen.scaling);
}

TEST(CanvasLayoutTest, CommonScreensPlaceTheCanvasByMode) {
    for (const ScreenCase& screen : kScreens) {
        SCOPED_TRACE(Describe(screen));
        const CanvasLayout layout(kW, kH, screen.width, screen.height, screen.scaling);
        EXPECT_EQ(layout.Destination(), screen.destination);
        EXPECT_EQ(layout.Magnification(), screen.magnification);
        EXPECT_EQ(layout.FilteredToDestination(), screen.filtered);
    }
}

TEST(CanvasLayoutTest, ClicksMapBackToTheCanvasOnEveryScreen) {
    for (const ScreenCase& screen : kScreens) {
        // Shrunk, one window pixel covers several canvas pixels: only enlargements map back
        // pixel for pixel.
        if (screen.destination.width < kW) {
            continue;
        }
        SCOPED_TRACE(Describe(screen));
        const CanvasLayout layout(kW, kH, screen.width, screen.height, screen.scaling);
        const Rect& d = screen.destination;
        // The canvas's corners are the destination's corner pixels.
        EXPECT_EQ(layout.WindowToCanvas({d.left, d.top}), (Point{0, 0}));
        EXPECT_EQ(layout.WindowToCanvas({d.left + d.width - 1, d.top + d.height - 1}),
                  (Point{kW - 1, kH - 1}));
        // The middle of the destination is the middle of the canvas.
        EXPECT_EQ(layout.WindowToCanvas({d.left + d.width / 2, d.top + d.height / 2}),
                  (Point{kW / 2, kH / 2}));
        // The letterbox is off the canvas, where nothing can be hit.
        if (d.left > 0) {
            EXPECT_LT(layout.WindowToCanvas({d.left - 1, d.top}).x, 0);
            EXPECT_GE(layout.WindowToCanvas({d.left + d.width, d.top}).x, kW);
        }
        if (d.top > 0) {
            EXPECT_LT(layout.WindowToCanvas({d.left, d.top - 1}).y, 0);
            EXPECT_GE(layout.WindowToCanvas({d.left, d.top + d.height}).y, kH);
        }
        // Any canvas pixel shown and clicked is the same pixel again.
        for (const Point p : {Point{0, 0}, Point{799, 599}, Point{148, 150}, Point{401, 13}}) {
            EXPECT_EQ(layout.WindowToCanvas(layout.CanvasToWindow(p)), p)
                << "at " << p.x << "," << p.y;
        }
    }
}

TEST(CanvasLayoutTest, AClickOnAScaledObjectReachesItsCanvasPixel) {
    // Full screen at 1920 x 1080: a 1.8 scale; the pixel at 100,50 covers window 420..421.
    const CanvasLayout fit(kW, kH, 1920, 1080, Scaling::kFit);
    EXPECT_EQ(fit.WindowToCanvas({240 + 180, 90}), (Point{100, 50}));
    EXPECT_EQ(fit.WindowToCanvas({240 + 178, 88}), (Point{99, 49}));
    // Twice the size: every canvas pixel is a 2 x 2 block.
    const CanvasLayout doubled(kW, kH, 2560, 1440, Scaling::kInteger);
    EXPECT_EQ(doubled.WindowToCanvas({480 + 297, 120 + 301}), (Point{148, 150}));
    EXPECT_EQ(doubled.WindowToCanvas({480 + 296, 120 + 300}), (Point{148, 150}));
}

TEST(CanvasLayoutTest, ModesHaveTheirCommandLineNames) {
    for (const Scaling scaling : {Scaling::kFit, Scaling::kInteger, Scaling::kSmooth}) {
        EXPECT_EQ(ScalingFromName(ScalingName(scaling)), scaling);
    }
    EXPECT_EQ(ScalingFromName("fit"), Scaling::kFit);
    EXPECT_EQ(ScalingFromName("integer"), Scaling::kInteger);
    EXPECT_EQ(ScalingFromName("smooth"), Scaling::kSmooth);
    EXPECT_EQ(ScalingFromName("Fit"), std::nullopt);
    EXPECT_EQ(ScalingFromName(""), std::nullopt);
}

}  // namespace
}  // namespace morvane::sdl
