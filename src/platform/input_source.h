#pragma once

#include "platform/clock.h"

namespace morvane {

class EventLoop;

// What an input source asks the loop to do after it was asked for input.
struct InputStep {
    enum class Kind {
        kContinue,   // input may have been posted (or nothing): pump, then ask again
        kWaitUntil,  // let time pass until `until`, running timers, unless the loop ends first
        kEnded,      // no more input will ever come: the loops that take input return
    };
    Kind kind = Kind::kContinue;
    TimeMs until = 0;

    static InputStep Continue() { return {}; }
    static InputStep WaitUntil(TimeMs until) { return {Kind::kWaitUntil, until}; }
    static InputStep Ended() { return {Kind::kEnded, 0}; }
};

// The user: the window's event queue or the headless script. It is asked for input only where
// the player waits for the user (the main loop and the loops of modal windows) and only when
// nothing is pending and no timer is due; the engine's own waits never take input from it.
class InputSource {
  public:
    virtual ~InputSource() = default;

    // Posts the next input to the loop (through the desktop's Post* methods), or says how long
    // to let the player run on its own.
    virtual InputStep TakeInput(EventLoop& loop) = 0;
};

}  // namespace morvane
