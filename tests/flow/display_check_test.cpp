#include "flow/display_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane {
namespace {

class FakeDisplay final : public Display {
  public:
    FakeDisplay(int width, int height) : width_(width), height_(height) {}
    int ScreenWidth() const override { return width_; }
    int ScreenHeight() const override { return height_; }
    void SetFullScreen(bool on) override { changes.push_back(on ? "full" : "windowed"); }

    std::vector<std::string> changes;

  private:
    int width_;
    int height_;
};

TEST(DisplayCheckTest, SmallScreensAlwaysAndLargeOnesOnlyWhenForcedGoFullScreen) {
    struct Case {
        int width;
        int height;
        bool force;
        bool full_screen;
    };
    const Case cases[] = {
        {640, 480, false, true}, {640, 480, true, true},     {1024, 768, false, false},
        {1024, 768, true, true}, {800, 600, false, false},   {800, 600, true, false},
        {800, 768, true, true},  {1024, 600, true, true},    {1024, 480, false, true},
        {799, 600, false, true}, {1920, 1080, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) +
                     (c.force ? " forced" : ""));
        FakeDisplay display(c.width, c.height);
        DisplayModeState state;
        CheckRes(display, c.force, state);
        EXPECT_EQ(state.DisplayChanged, c.full_screen);
        const std::vector<std::string> switched{"full"};
        EXPECT_EQ(display.changes, c.full_screen ? switched : std::vector<std::string>());
        RestoreDisplay(display, state);
        // The restore at shutdown undoes exactly what the check did.
        const std::vector<std::string> restored{"full", "windowed"};
        EXPECT_EQ(display.changes, c.full_screen ? restored : std::vector<std::string>());
        if (c.full_screen) {
            EXPECT_EQ(state.SavedWidth, static_cast<float>(c.width));
            EXPECT_EQ(state.SavedHeight, static_cast<float>(c.height));
        }
    }
}

}  // namespace
}  // namespace morvane
