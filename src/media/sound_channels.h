#pragma once

#include "base/integer.h"

namespace morvane {

// The 20 sound channels and their fixed roles. Channels 1 to 13 carry the scene objects' sounds
// (an object without its own channel uses its slot number); the rest are named here.
namespace channel {
inline constexpr Integer kFirst = 1;
inline constexpr Integer kLastObject = 13;
// Goes on across a scene change: scene loading never stops it.
inline constexpr Integer kPersistent = 14;
// Spoken lines and the answers of the scene objects, the close-up and the map window.
inline constexpr Integer kDialogue = 15;
// The scene's enter and exit sounds.
inline constexpr Integer kEnterExit = 16;
// The scene's looping background sound.
inline constexpr Integer kLooping = 17;
// The inventory's own sounds: combining, refusing a combination, examining, a full bar.
inline constexpr Integer kInventory = 12;
// Interface click and hover sounds; nothing silences them.
inline constexpr Integer kButtons = 18;
// The WAV soundtrack and WAV menu music, always looping.
inline constexpr Integer kSoundtrack = 19;
// Rule objects that ask for a channel of their own, and the map locations' sounds.
inline constexpr Integer kRules = 20;
inline constexpr Integer kLast = 20;
}  // namespace channel

}  // namespace morvane
