#include "debug/script_driver.h"

#include <utility>

#include "base/text.h"
#include "debug/control_name.h"
#include "debug/game_queries.h"
#include "debug/reachability.h"
#include "debug/script_output.h"
#include "platform/control.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/screen_pointer.h"
#include "platform/window.h"

namespace morvane {
namespace {

bool NamesControl(CommandKind kind) {
    switch (kind) {
        case CommandKind::kClick:
        case CommandKind::kHover:
        case CommandKind::kType:
        case CommandKind::kSelect:
        case CommandKind::kExpectVisible:
        case CommandKind::kExpectHidden:
        case CommandKind::kExpectShown:
        case CommandKind::kExpectCaption:
        case CommandKind::kExpectCount:
        case CommandKind::kExpectHeight:
        case CommandKind::kExpectMinimized:
        case CommandKind::kExpectRestored:
        case CommandKind::kRestore:
            return true;
        default:
            return false;
    }
}

bool IsList(const Control& control) {
    return control.Kind() == ControlKind::kListBox || control.Kind() == ControlKind::kFileListBox;
}

// Why a control cannot take a command of this kind; empty when it can.
std::string Unsuitable(const ScriptCommand& command, const Control& control) {
    if (command.kind == CommandKind::kType && control.Kind() != ControlKind::kTextBox) {
        return command.control + " is not a text box";
    }
    if ((command.kind == CommandKind::kSelect || command.kind == CommandKind::kExpectCount) &&
        !IsList(control)) {
        return command.control + " is not a list";
    }
    return {};
}

std::string Items(const std::vector<long long>& items) {
    std::string text;
    for (const long long item : items) {
        text += (text.empty() ? "" : " ") + std::to_string(item);
    }
    return text;
}

std::string Items(const std::vector<Integer>& items) {
    return Items(std::vector<long long>(items.begin(), items.end()));
}

std::string ItemOrNone(std::optional<long long> item) {
    return item ? "item " + std::to_string(*item) : std::string("none");
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

ScriptDriver::ScriptDriver(std::vector<ScriptCommand> commands, Desktop& desktop,
                           const GameQueries& game, ScriptOutput& output, AnswerQueue answers)
    : commands_(std::move(commands)),
      desktop_(desktop),
      game_(game),
      output_(output),
      answers_(std::move(answers)) {}

std::optional<ScriptError> ScriptDriver::CheckControls() const {
    for (const ScriptCommand& command : commands_) {
        if (!NamesControl(command.kind)) {
            continue;
        }
        const Control* control = FindControl(desktop_, command.control);
        if (control == nullptr) {
            return ScriptError{command.line, "unknown control " + command.control};
        }
        if (auto why = Unsuitable(command, *control); !why.empty()) {
            return ScriptError{command.line, std::move(why)};
        }
    }
    return std::nullopt;
}

int ScriptDriver::ExitStatus() const {
    if (error_) {
        return 2;
    }
    return failures_ > 0 ? 1 : 0;
}

InputStep ScriptDriver::TakeInput(EventLoop& loop) {
    if (error_) {
        return InputStep::Ended();
    }
    if (wait_until_ && loop.Now() < *wait_until_) {
        return InputStep::WaitUntil(*wait_until_);
    }
    wait_until_.reset();
    while (next_ < commands_.size()) {
        const ScriptCommand& command = commands_[next_++];
        if (auto step = Run(command, loop)) {
            return *step;
        }
        if (error_) {
            return InputStep::Ended();
        }
    }
    return InputStep::Ended();
}

Control* ScriptDriver::Resolve(const ScriptCommand& command) const {
    return FindControl(desktop_, command.control);
}

std::optional<InputStep> ScriptDriver::Run(const ScriptCommand& command, EventLoop& loop) {
    switch (command.kind) {
        case CommandKind::kWait:
            wait_until_ = loop.Now() + command.numbers.at(0);
            return InputStep::WaitUntil(*wait_until_);
        case CommandKind::kKey:
            desktop_.PostKey(command.key_code, command.key_ascii);
            return InputStep::Continue();
        case CommandKind::kClick:
        case CommandKind::kHover:
        case CommandKind::kType:
        case CommandKind::kSelect: {
            Control* target = Resolve(command);
            if (target == nullptr) {
                // Controls are checked before the run; one that went away since is a script
                // that cannot go on meaningfully.
                error_ = ScriptError{command.line, "unknown control " + command.control};
                return std::nullopt;
            }
            if (!desktop_.Reachable(*target)) {
                const std::string why = WhyNotReachable(desktop_, *target);
                Note(command.control + " not reachable" + (why.empty() ? "" : " (" + why + ")"));
                return std::nullopt;
            }
            Act(command, *target);
            return InputStep::Continue();
        }
        case CommandKind::kAnswer:
            answers_(command.answer);
            return std::nullopt;
        case CommandKind::kRestore: {
            // The user brings a minimised window back from the task bar: no click reaches it.
            Control* target = Resolve(command);
            if (target == nullptr) {
                error_ = ScriptError{command.line, "unknown control " + command.control};
                return std::nullopt;
            }
            Window& window = target->OwnerWindow();
            desktop_.Loop().Post([&window] { window.SetMinimized(false); });
            return InputStep::Continue();
        }
        case CommandKind::kState:
            output_.State(DescribeState());
            return std::nullopt;
        default:
            Expect(command);
            return std::nullopt;
    }
}

void ScriptDriver::Act(const ScriptCommand& command, Control& target) {
    const Point centre = desktop_.ScreenBounds(target).Centre();
    switch (command.kind) {
        case CommandKind::kClick:
            desktop_.PostClick(centre, command.button, desktop_.SurfaceOf(target));
            break;
        case CommandKind::kHover:
            desktop_.PostMouseMove(centre, 0, desktop_.SurfaceOf(target));
            break;
        case CommandKind::kType:
            if (command.replace && target.Kind() == ControlKind::kTextBox) {
                auto& box = static_cast<TextBox&>(target);
                desktop_.Loop().Post([&box] { box.SetText(""); });
            }
            desktop_.PostText(target, command.text);
            break;
        case CommandKind::kSelect: {
            // A choice of a list row raises the list's click, like a click on that row.
            auto& list = static_cast<ListBox&>(target);
            desktop_.Loop().Post(
                [this, &list, line = command.line, name = command.control, text = command.text] {
                    if (!list.Select(text)) {
                        Note(name + " has no item " + Quoted(text) + " (line " +
                             std::to_string(line) + ")");
                    }
                });
            break;
        }
        default:
            break;
    }
}

void ScriptDriver::Check(const ScriptCommand& command, bool holds, const std::string& message) {
    if (!holds) {
        ++failures_;
        output_.Fail(command.line, message);
    }
}

void ScriptDriver::Note(const std::string& text) {
    output_.Note(text);
    if (strict_) {
        ++failures_;
    }
}

void ScriptDriver::Expect(const ScriptCommand& command) {
    const auto& n = command.numbers;
    switch (command.kind) {
        case CommandKind::kExpectFlag: {
            const Integer value = game_.Flag(static_cast<int>(n.at(0)));
            Check(command, value == n.at(1),
                  "flag " + std::to_string(n.at(0)) + " is " + std::to_string(value) +
                      ", expected " + std::to_string(n.at(1)));
            break;
        }
        case CommandKind::kExpectScene: {
            const Integer scene = game_.CurrentScene();
            Check(command, scene == n.at(0),
                  "scene is " + std::to_string(scene) + ", expected " + std::to_string(n.at(0)));
            break;
        }
        case CommandKind::kExpectInventory: {
            const auto items = game_.InventoryItems();
            const std::vector<long long> held(items.begin(), items.end());
            Check(command, held == n,
                  "inventory is [" + Items(items) + "], expected [" + Items(n) + "]");
            break;
        }
        case CommandKind::kExpectInHand: {
            const auto item = game_.ItemInHand();
            const std::optional<long long> wanted =
                command.none ? std::nullopt : std::optional<long long>(n.at(0));
            const std::optional<long long> held =
                item ? std::optional<long long>(*item) : std::nullopt;
            Check(command, held == wanted,
                  "in hand is " + ItemOrNone(held) + ", expected " + ItemOrNone(wanted));
            break;
        }
        case CommandKind::kExpectVisible:
        case CommandKind::kExpectHidden: {
            const Control* control = Resolve(command);
            if (control == nullptr) {
                error_ = ScriptError{command.line, "unknown control " + command.control};
                break;
            }
            const bool wanted = command.kind == CommandKind::kExpectVisible;
            Check(command, control->Visible() == wanted,
                  command.control + " is " + (control->Visible() ? "visible" : "hidden") +
                      ", expected " + (wanted ? "visible" : "hidden"));
            break;
        }
        case CommandKind::kExpectShown: {
            const Control* control = Resolve(command);
            if (control == nullptr) {
                error_ = ScriptError{command.line, "unknown control " + command.control};
                break;
            }
            const std::string why = WhyNotShown(*control);
            Check(command, why.empty(), command.control + " is not shown (" + why + ")");
            break;
        }
        case CommandKind::kExpectCaption: {
            const Control* control = Resolve(command);
            if (control == nullptr) {
                error_ = ScriptError{command.line, "unknown control " + command.control};
                break;
            }
            const std::string caption = control->Text();
            Check(command, caption == command.text,
                  command.control + " shows " + Quoted(caption) + ", expected " +
                      Quoted(command.text));
            break;
        }
        case CommandKind::kExpectPointer: {
            const auto shown = desktop_.PointerToShow();
            PicturePtr wanted;
            std::string name;
            switch (command.pointer) {
                case PointerWanted::kImage:
                    wanted = game_.CustomPointer(static_cast<int>(n.at(0)));
                    name = "pointer " + std::to_string(n.at(0));
                    break;
                case PointerWanted::kItem:
                    wanted = game_.HeldItemPointer(false);
                    name = "the held item's pointer";
                    break;
                case PointerWanted::kItemHighlighted:
                    wanted = game_.HeldItemPointer(true);
                    name = "the held item's highlighted pointer";
                    break;
            }
            // Pictures are compared by identity; a pointer nobody set matches nothing.
            const bool holds = wanted != nullptr && shown.mode == ScreenPointer::kCustom &&
                               shown.picture == wanted;
            Check(command, holds, "the pointer shows " + DescribePointer() + ", expected " + name);
            break;
        }
        case CommandKind::kExpectPlaying: {
            const int channel = static_cast<int>(n.at(0));
            const auto playing = game_.SoundPlaying(channel);
            // Sound files are named as on the game's home system, where case does not matter.
            const bool holds =
                command.none ? !playing : playing && EqualsIgnoreCase(*playing, command.text);
            Check(command, holds,
                  "channel " + std::to_string(channel) + " plays " + playing.value_or("nothing") +
                      ", expected " + (command.none ? std::string("nothing") : command.text));
            break;
        }
        case CommandKind::kExpectMusic: {
            const auto playing = game_.MusicPlaying();
            const bool holds =
                command.none ? !playing : playing && EqualsIgnoreCase(*playing, command.text);
            Check(command, holds,
                  "the music is " + playing.value_or("nothing") + ", expected " +
                      (command.none ? std::string("nothing") : command.text));
            break;
        }
        case CommandKind::kExpectClipboard: {
            const std::string text = desktop_.GetClipboard().GetText();
            Check(command, text == command.text,
                  "the clipboard holds " + Quoted(text) + ", expected " + Quoted(command.text));
            break;
        }
        case CommandKind::kExpectCount:
        case CommandKind::kExpectHeight:
        case CommandKind::kExpectMinimized:
        case CommandKind::kExpectRestored: {
            const Control* control = Resolve(command);
            if (control == nullptr) {
                error_ = ScriptError{command.line, "unknown control " + command.control};
                break;
            }
            if (command.kind == CommandKind::kExpectCount) {
                const int count = static_cast<const ListBox*>(control)->ListCount();
                Check(command, count == n.at(0),
                      command.control + " holds " + std::to_string(count) + " items, expected " +
                          std::to_string(n.at(0)));
            } else if (command.kind == CommandKind::kExpectHeight) {
                Check(command, control->Height() == n.at(0),
                      command.control + " is " + std::to_string(control->Height()) +
                          " high, expected " + std::to_string(n.at(0)));
            } else {
                const bool minimized = control->OwnerWindow().Minimized();
                const bool wanted = command.kind == CommandKind::kExpectMinimized;
                Check(command, minimized == wanted,
                      command.control + " is " + (minimized ? "minimized" : "not minimized"));
            }
            break;
        }
        case CommandKind::kExpectLocation: {
            const int location = static_cast<int>(n.at(0));
            const bool available = game_.LocationAvailable(location);
            Check(command, available == command.shown,
                  "map location " + std::to_string(location) + " is " +
                      (available ? "shown" : "hidden") + ", expected " +
                      (command.shown ? "shown" : "hidden"));
            break;
        }
        default:
            break;
    }
}

std::string ScriptDriver::DescribePointer() const {
    const auto shown = desktop_.PointerToShow();
    if (shown.mode != ScreenPointer::kCustom) {
        return "the standard pointer " + std::to_string(shown.mode);
    }
    if (shown.picture == nullptr) {
        return "no picture";
    }
    for (int number = 1; number <= 15; ++number) {
        if (game_.CustomPointer(number) == shown.picture) {
            return "pointer " + std::to_string(number);
        }
    }
    if (game_.HeldItemPointer(false) == shown.picture) {
        return "the held item's pointer";
    }
    if (game_.HeldItemPointer(true) == shown.picture) {
        return "the held item's highlighted pointer";
    }
    return "another picture";
}

std::string ScriptDriver::DescribeState() const {
    std::string flags;
    for (int number = 1; number <= 255; ++number) {
        if (const Integer value = game_.Flag(number); value != 0) {
            flags +=
                (flags.empty() ? "" : " ") + std::to_string(number) + "=" + std::to_string(value);
        }
    }
    std::string locations;
    for (int location = 1; location <= 20; ++location) {
        if (game_.LocationAvailable(location)) {
            locations += (locations.empty() ? "" : " ") + std::to_string(location);
        }
    }
    const auto in_hand = game_.ItemInHand();
    return "scene=" + std::to_string(game_.CurrentScene()) +
           " in-hand=" + (in_hand ? std::to_string(*in_hand) : std::string("none")) +
           " inventory=[" + Items(game_.InventoryItems()) + "] flags=[" + flags + "] locations=[" +
           locations + "]";
}

}  // namespace morvane
