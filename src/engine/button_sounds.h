#pragma once

#include "base/integer.h"
#include "engine/engine_context.h"
#include "media/sound_channels.h"

namespace morvane {

// The interface's click and hover sounds of the general settings, not looping, with their own
// pan and volume; nothing plays when the game has none.
void PlayClickSound(EngineContext& ctx, Integer channel = channel::kButtons);
void PlayHoverSound(EngineContext& ctx, Integer channel = channel::kButtons);

// The pointer enters the button `code`: true, with the code kept as the last-hovered button, when
// the game has a hover sound and the last button hovered was another one; the caller then plays
// the hover sound. Every window shares the one code.
bool EntersHoverButton(GameState& state, Integer code);
// The hover sound of a button that sounds only when entered from elsewhere.
void PlayHoverSoundFor(EngineContext& ctx, Integer code, Integer channel = channel::kButtons);

}  // namespace morvane
