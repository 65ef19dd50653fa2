#pragma once

#include <functional>
#include <initializer_list>

#include "forms/forms.h"
#include "platform/runtime_fixture.h"

namespace morvane::testing {

// A headless runtime with every game window made, none loaded or shown.
class FormsTest : public ::testing::Test {
  protected:
    Point CentreOf(const Control& control) const {
        return runtime_.desktop.ScreenBounds(control).Centre();
    }
    Control* HitAt(Point screen) const { return runtime_.desktop.HitTest(screen).target; }
    bool Reachable(const Control& control) const { return runtime_.desktop.Reachable(control); }
    void ExpectReachable(std::initializer_list<const Control*> controls) const {
        for (const Control* control : controls) {
            EXPECT_TRUE(Reachable(*control)) << control->QualifiedName();
        }
    }

    Runtime runtime_;
    Forms forms_{runtime_.desktop};
};

// Runs `visit` on every control under `root` (not on `root` itself), parents before children.
inline void ForEachControl(const Control& root, const std::function<void(const Control&)>& visit) {
    for (const Control* child : root.Children()) {
        visit(*child);
        ForEachControl(*child, visit);
    }
}

}  // namespace morvane::testing
