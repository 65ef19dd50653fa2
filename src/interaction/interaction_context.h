#pragma once

#include <string>

#include "base/integer.h"
#include "base/table.h"
#include "engine/engine_context.h"
#include "engine/hover_codes.h"
#include "forms/forms.h"

namespace morvane {

// What the inventory hands to the close-up window, and which slot's close-up picture the window
// holds. Slot 0 or -1 means none: -1 after the bar was compacted, so that the next item taken in
// hand loads its picture again.
struct CloseupValues {
    Integer Slot = 0;
    bool Ready = false;
    std::string Caption;
    Integer PlayMode = 0;
    std::string Sound;
    Long Volume = 0;
    Long Pan = 0;
};

// Everything the interaction handlers work on: the engine with its game state, and the game's
// windows, whose controls these handlers read and change directly.
struct InteractionContext {
    InteractionContext(EngineContext& engine, Forms& forms) : Engine(engine), Win(forms) {}
    InteractionContext(const InteractionContext&) = delete;
    InteractionContext& operator=(const InteractionContext&) = delete;

    GameState& State() const { return Engine.State; }

    EngineContext& Engine;
    Forms& Win;
    CloseupValues Closeup;
    // A Switch's flag value when it was clicked; its animation's end decides from it.
    Table<Integer, 0, kSlots> SwitchOldValue;
};

}  // namespace morvane
