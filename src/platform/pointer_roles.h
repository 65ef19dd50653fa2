#pragma once

namespace morvane {

// The 15 pictures of the pointer set, each with a fixed role. Arrows and Links name theirs by
// number (1 to 9, or 0 for the normal pointer); the player picks the others itself.
enum class PointerRole : int {
    kUp = 1,
    kDown,
    kLeft,
    kRight,
    kUpLeft,
    kUpRight,
    kDownLeft,
    kDownRight,
    kExit,
    // Over a Switch, an object of unknown kind and a map location that leads to a scene.
    kHotSpot,
    kGoodie,
    kReactor,
    kNormal,
    // Busy: shown while the player changes scene or runs a long action; it also locks scene
    // input.
    kWait,
    kButtons,
};

// The pointer numbers as the windows and the engine pass them (pointer images 1 to 15).
constexpr int PointerNumber(PointerRole role) {
    return static_cast<int>(role);
}
inline constexpr int kHotSpotPointer = PointerNumber(PointerRole::kHotSpot);
inline constexpr int kGoodiePointer = PointerNumber(PointerRole::kGoodie);
inline constexpr int kReactorPointer = PointerNumber(PointerRole::kReactor);
inline constexpr int kNormalPointer = PointerNumber(PointerRole::kNormal);
inline constexpr int kWaitPointer = PointerNumber(PointerRole::kWait);

}  // namespace morvane
