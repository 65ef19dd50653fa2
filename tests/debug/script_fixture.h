#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "debug/game_queries.h"
#include "debug/script.h"
#include "debug/script_driver.h"
#include "debug/script_output.h"
#include "platform/control_array.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "platform/control_timer.h"
#include "platform/desktop.h"
#include "platform/runtime_fixture.h"
#include "platform/window.h"

namespace morvane::testing {

// The game as a script sees it, set directly by the tests.
class FakeGame : public GameQueries {
  public:
    Integer Flag(int number) const override {
        const auto found = flags.find(number);
        return found == flags.end() ? Integer{0} : found->second;
    }
    Integer CurrentScene() const override { return scene; }
    std::vector<Integer> InventoryItems() const override { return inventory; }
    std::optional<Integer> ItemInHand() const override { return in_hand; }
    PicturePtr CustomPointer(int number) const override {
        const auto found = pointers.find(number);
        return found == pointers.end() ? nullptr : found->second;
    }
    PicturePtr HeldItemPointer(bool highlighted) const override {
        return highlighted ? item_highlighted : item_pointer;
    }
    std::optional<std::string> SoundPlaying(int channel) const override {
        const auto found = sounds.find(channel);
        return found == sounds.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> MusicPlaying() const override { return music; }
    bool LocationAvailable(int location) const override { return locations.contains(location); }

    std::map<int, Integer> flags;
    Integer scene = 0;
    std::vector<Integer> inventory;
    std::optional<Integer> in_hand;
    std::map<int, PicturePtr> pointers;
    PicturePtr item_pointer;
    PicturePtr item_highlighted;
    std::map<int, std::string> sounds;
    std::optional<std::string> music;
    std::set<int> locations;
};

// A main window with the kinds of controls scripts drive, laid out like the game's: a scene
// view with an array of objects, a covering block panel, a button, a label, a text box, a list
// and a timer.
class TestMain : public Window {
  public:
    explicit TestMain(Desktop& desktop) : Window(desktop, "Main") {
        Move(0, 0, 800, 600);
        ScnImg.Move(48, 56, 700, 475);
        Animation.ForEach(
            [](PictureBox& object, int index) { object.Move(index * 100, 100, 50, 50); });
        Block.Move(48, 56, 700, 475);
        Block.SetVisible(false);
        Command1.Move(10, 560, 80, 30);
        Command1.SetCaption("Menu");
        Label1.Move(100, 560, 100, 20);
        Text1.Move(220, 560, 100, 20);
        List1.Move(340, 540, 100, 60);
        Ticker.SetEnabled(false);
    }

    PictureBox ScnImg{*this, "ScnImg"};
    ControlArray<PictureBox> Animation{ScnImg, "Animation", 3};
    Panel Block{*this, "Block"};
    Button Command1{*this, "Command1"};
    Label Label1{*this, "Label1"};
    TextBox Text1{*this, "Text1"};
    ListBox List1{*this, "List1"};
    TimerControl Ticker{*this, "Ticker"};
};

// A small modal question box.
class TestQuery : public Window {
  public:
    explicit TestQuery(Desktop& desktop) : Window(desktop, "QuitGameQuery") {
        Move(300, 200, 200, 100);
        ButtnYes.Move(20, 50, 60, 30);
        ButtnYes.OnClick = [this] { Hide(); };
    }

    Button ButtnYes{*this, "ButtnYes"};
};

// A headless player without a game: the runtime, the windows above and a fake game.
struct ScriptRun : Runtime {
    ScriptOutput output{out, true};
    TestMain main{desktop};
    TestQuery query{desktop};
    FakeGame game;
    std::optional<ScriptDriver> driver;

    ScriptRun() { main.Show(); }

    // Parses and plays the script as the main loop's user; the exit status of the run.
    int Play(std::string_view script) {
        const ParsedScript parsed = ParseScript(script);
        if (parsed.error) {
            errors = DescribeScriptError(*parsed.error);
            return 2;
        }
        driver.emplace(parsed.commands, desktop, game, output,
                       [this](MsgBoxResult answer) { message_box.QueueAnswer(answer); });
        if (Prepare) {
            Prepare(*driver);
        }
        if (auto error = driver->CheckControls()) {
            errors = DescribeScriptError(*error);
            return 2;
        }
        loop.SetInputSource(&*driver);
        loop.RunMainLoop([] { return false; });
        loop.SetInputSource(nullptr);
        if (driver->Error()) {
            errors = DescribeScriptError(*driver->Error());
        }
        return driver->ExitStatus();
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    std::string errors;
    // Settings of the driver made before the run (strict).
    std::function<void(ScriptDriver&)> Prepare;
};

}  // namespace morvane::testing
