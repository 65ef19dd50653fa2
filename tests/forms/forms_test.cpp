#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/runtime_error.h"
#include "forms_fixture.h"
#include "support/runtime_errors.h"

namespace morvane {
namespace {

using testing::ForEachControl;
using testing::FormsTest;

using testing::ErrorNumberOf;

// Every qualified name of every control of every window, with how often it occurs.
std::map<std::string, int> AllQualifiedNames(Forms& forms) {
    std::map<std::string, int> names;
    for (Window* window : forms.All()) {
        ForEachControl(*window, [&](const Control& control) { ++names[control.QualifiedName()]; });
    }
    return names;
}

TEST_F(FormsTest, EveryWindowIsRegisteredUnderItsGameNameAndStartsHiddenAndUnloaded) {
    const std::vector<std::string> game_windows = {
        "StartForm", "MainMenu",   "Main",          "MapWindow", "Closeup",
        "SaveGame",  "LoadGame",   "QuitGameQuery", "IntroFrm",  "MvDebug",
        "NoWin",     "MousePoint", "ItemImages",    "Mp3Form",   "NagForm"};
    std::set<const Window*> found;
    for (const std::string& name : game_windows) {
        const Window* window = runtime_.desktop.FindWindow(name);
        ASSERT_NE(window, nullptr) << name;
        EXPECT_EQ(window->Name(), name);
        EXPECT_FALSE(window->IsLoaded()) << name;
        EXPECT_FALSE(window->Visible()) << name;
        found.insert(window);
    }
    const auto all = forms_.All();
    EXPECT_EQ(found, std::set<const Window*>(all.begin(), all.end()))
        << "the aggregate holds exactly the game's windows";
    EXPECT_EQ(runtime_.desktop.FindWindow("Main"), &forms_.Main);
}

TEST_F(FormsTest, ControlsCarryTheNamesTheScriptsUseAndNoNameIsTakenTwice) {
    const std::map<std::string, int> names = AllQualifiedNames(forms_);
    const std::vector<std::pair<std::string, std::vector<std::string>>> script_names = {
        {"Main",
         {"Animation(3)", "Animation(20)", "Directionl(1)", "invitem(2)", "InvBar", "ExamineItem",
          "ConvText(1)", "MainMenuButtn", "SaveGameButtn", "Command1", "Block", "DelayTimer(20)"}},
        {"MainMenu", {"Buttn(2)"}},
        {"QuitGameQuery", {"ButtnYes", "ButtnNo"}},
        {"MapWindow", {"Loctn(4)", "ButtnCancel"}},
        {"Closeup", {"Command1"}},
        {"SaveGame", {"Text1", "ButtnOK"}},
        {"LoadGame", {"File1"}},
        {"MvDebug", {"Check1", "Command7"}},
        {"NoWin", {"List1"}},
        {"MousePoint", {"Defaults(15)"}},
        {"ItemImages", {"ItemHL(16)"}},
        {"NagForm", {"Command1"}},
        {"Mp3Form", {"Mp3Timer"}},
        {"StartForm", {"Timer1"}},
        {"IntroFrm", {"UserIntroMovie"}}};
    for (const auto& [window, controls] : script_names) {
        for (const std::string& control : controls) {
            EXPECT_TRUE(names.contains(window + "." + control)) << window << "." << control;
        }
    }
    for (const auto& [name, count] : names) {
        EXPECT_EQ(count, 1) << name << " names more than one control";
    }
}

// Checks an array's bounds: its first and last elements exist, and one index either side of
// them is run-time error 9.
template <typename Array>
void ExpectBounds(Array& array, int lower, int upper, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(array.LBound(), lower);
    EXPECT_EQ(array.UBound(), upper);
    EXPECT_EQ(array(lower).Index(), lower);
    EXPECT_EQ(array(upper).Index(), upper);
    EXPECT_EQ(ErrorNumberOf([&] { array(lower - 1); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { array(upper + 1); }), 9);
}

TEST_F(FormsTest, ControlArraysHaveTheGamesBoundsAndRefuseAnyOtherIndex) {
    Main& main = forms_.Main;
    ExpectBounds(main.Animation, 1, 20, "Animation");
    ExpectBounds(main.Directionl, 1, 4, "Directionl");
    ExpectBounds(main.DelayTimer, 1, 20, "DelayTimer");
    ExpectBounds(main.invitem, 1, 16, "invitem");
    ExpectBounds(main.ConvText, 1, 5, "ConvText");
    ExpectBounds(main.ButtnDefault, 1, 5, "ButtnDefault");
    ExpectBounds(forms_.MainMenu.Buttn, 1, 5, "Buttn");
    ExpectBounds(forms_.MapWindow.Loctn, 1, 20, "Loctn");
    ExpectBounds(forms_.MousePoint.Pointer, 1, 15, "Pointer");
    ExpectBounds(forms_.MousePoint.Defaults, 1, 15, "Defaults");
    ExpectBounds(forms_.ItemImages.ItemIcon, 1, 16, "ItemIcon");
    ExpectBounds(forms_.ItemImages.ItemPoint, 1, 16, "ItemPoint");
    ExpectBounds(forms_.ItemImages.ItemHL, 1, 16, "ItemHL");
    ExpectBounds(forms_.QuitGameQuery.Image1, 1, 4, "QuitGameQuery.Image1");
    // The close button's two looks on the map are the one array counted from 0.
    ExpectBounds(forms_.MapWindow.Image2, 0, 1, "Image2");
}

TEST_F(FormsTest, EveryWindowFitsTheScreenAndEveryControlItsContainer) {
    const Rect screen{0, 0, runtime_.desktop.ScreenWidth(), runtime_.desktop.ScreenHeight()};
    auto inside = [](const Rect& inner, const Rect& outer) {
        return inner.left >= outer.left && inner.top >= outer.top &&
               inner.left + inner.width <= outer.left + outer.width &&
               inner.top + inner.height <= outer.top + outer.height;
    };
    for (Window* window : forms_.All()) {
        EXPECT_TRUE(inside(window->Bounds(), screen)) << window->Name();
        EXPECT_GT(window->Width(), 0) << window->Name();
        ForEachControl(*window, [&](const Control& control) {
            if (control.Width() == 0 || control.Height() == 0) {
                return;  // placed by the game (arrows, objects) or never placed (timers)
            }
            const Rect parent{0, 0, control.Parent()->Width(), control.Parent()->Height()};
            EXPECT_TRUE(inside(control.Bounds(), parent)) << control.QualifiedName();
        });
    }
}

TEST_F(FormsTest, NoTimerRunsUntilTheGameStartsItAndThenAtItsInterval) {
    for (Window* window : forms_.All()) {
        window->Load();
    }
    EXPECT_FALSE(runtime_.loop.NextDueTime().has_value()) << "every timer starts switched off";

    Main& main = forms_.Main;
    const TimeMs start = runtime_.loop.Now();
    std::map<std::string, TimeMs> first_tick;
    for (TimerControl* timer :
         {&main.BlockTimer, &main.ScnTimer, &main.MsgTimer, &main.PostMovieTimer,
          &forms_.MainMenu.PauseTimer, &forms_.QuitGameQuery.PauseIt, &forms_.Closeup.StartUpDelay,
          &forms_.Mp3Form.Mp3Timer, &forms_.StartForm.Timer1, &forms_.IntroFrm.UserIntroTimer}) {
        timer->OnTimer = [&, timer] {
            timer->SetEnabled(false);
            first_tick[timer->QualifiedName()] = runtime_.loop.Now() - start;
        };
        timer->SetEnabled(true);
    }
    runtime_.loop.PassTime(5000);
    EXPECT_EQ(first_tick, (std::map<std::string, TimeMs>{
                              {"Main.BlockTimer", 200},
                              {"Main.ScnTimer", 700},
                              {"Main.MsgTimer", 1000},
                              {"Main.PostMovieTimer", 200},
                              {"MainMenu.PauseTimer", 700},
                              {"QuitGameQuery.PauseIt", 700},
                              {"Closeup.StartUpDelay", 5},
                              {"Mp3Form.Mp3Timer", 600},
                              {"StartForm.Timer1", 1200},
                              {"IntroFrm.UserIntroTimer", 2000},
                          }));
}

}  // namespace
}  // namespace morvane
