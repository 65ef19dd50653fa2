#pragma once

#include "platform/control_geometry.h"

namespace morvane {

class Control;
class Window;

// One piece of input as the desktop delivers it, with what it reaches.
struct InputDelivery {
    enum class Kind { kMouseMove, kMouseDown, kMouseUp, kKeyDown, kKeyUp, kKeyPress };
    Kind kind = Kind::kMouseMove;
    Point screen;
    MouseButton button = MouseButton::kLeft;
    // A key's code for key down and up, its character for key press.
    int key = 0;
    // Mouse input: the control (or window) it reaches, if any. Keys: the focused control that
    // takes the key after its window's handlers, if any.
    Control* target = nullptr;
    // Keys: the window that takes them, if any.
    Window* window = nullptr;
};

// Watches the input the desktop delivers to controls, from the window or from a script,
// without changing it: told before each piece reaches its control and again once its handlers
// have run (and whatever they waited for, a modal window included).
class InputObserver {
  public:
    virtual ~InputObserver() = default;
    virtual void BeforeDelivery(const InputDelivery& delivery) = 0;
    virtual void AfterDelivery(const InputDelivery& delivery) = 0;
};

}  // namespace morvane
