#pragma once

#include <optional>
#include <string_view>

namespace morvane {

// How the game's canvas is scaled into the window.
//   kFit:     the largest size the window allows, drawn sharp: the canvas is first magnified by
//             whole pixels (nearest neighbour) to the next whole multiple at or above that size,
//             then filtered down to it, so pixels stay crisp and no column is wider than another.
//   kInteger: whole multiples only (the letterbox grows instead); crisp, never filtered.
//   kSmooth:  the largest size the window allows, filtered straight from the canvas.
// Every mode keeps the canvas's shape and shrinks it (filtered) in a window smaller than it.
enum class Scaling { kFit, kInteger, kSmooth };

// The names the command line and the settings file use: "fit", "integer", "smooth".
std::string_view ScalingName(Scaling scaling);
std::optional<Scaling> ScalingFromName(std::string_view name);

}  // namespace morvane
