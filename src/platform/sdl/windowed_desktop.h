#pragma once

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/sdl/canvas_message_box.h"
#include "platform/sdl/game_window.h"
#include "platform/sdl/sdl_clipboard.h"

namespace morvane::sdl {

// The runtime of a player in a window, wired together: the real clock sleeps in the window,
// the window is the loop's input source, message boxes are drawn in the canvas and the
// clipboard is the system's. The game's windows are made on `desktop` after this and destroyed
// before it.
struct WindowedDesktop {
    explicit WindowedDesktop(const WindowOptions& options = {})
        : window(options),
          clock(window.Blocker()),
          loop(clock),
          message_box(window.GetFont()),
          desktop(loop, message_box, clipboard) {
        window.Attach(desktop);
        message_box.Attach(desktop);
        loop.SetInputSource(&window);
    }

    GameWindow window;
    SystemClock clock;
    EventLoop loop;
    CanvasMessageBox message_box;
    SdlClipboard clipboard;
    Desktop desktop;
};

}  // namespace morvane::sdl
