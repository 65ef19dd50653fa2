#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

class Control;
class Desktop;

// A control as a script names it: "Main.Animation(3)", "Main.InvBar", or a bare window name
// ("MapWindow") for the window itself.
struct ControlName {
    std::string window;
    std::string name;  // empty: the window itself
    int index = 0;     // 0: not an element of a control array
};

// Nothing when the text is not of that form.
std::optional<ControlName> ParseControlName(std::string_view text);

// The control of a window of the desktop with that name and index, looked for among all the
// window's controls, however deeply contained. Names compare without regard to case, as the
// game's own code does. Nothing when there is no such window or control.
Control* FindControl(const Desktop& desktop, const ControlName& name);
Control* FindControl(const Desktop& desktop, std::string_view text);

}  // namespace morvane
