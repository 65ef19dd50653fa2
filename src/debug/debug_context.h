#pragma once

#include "interaction/interaction_context.h"

namespace morvane {

// What the notify and debug windows work on: the game through the interaction (engine, state
// and windows), and the notify window's own value.
struct DebugContext {
    explicit DebugContext(InteractionContext& interaction) : Interaction(interaction) {}
    DebugContext(const DebugContext&) = delete;
    DebugContext& operator=(const DebugContext&) = delete;

    GameState& State() const { return Interaction.State(); }
    Forms& Win() const { return Interaction.Win; }

    InteractionContext& Interaction;
    // The notify window's full height, saved when it loads, to expand back to.
    int NotifyFullHeight = 0;
};

}  // namespace morvane
