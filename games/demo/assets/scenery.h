#pragma once

#include "canvas.h"

namespace morvane::demo {

// Pieces of scenery that several pictures share.
namespace palette {
inline constexpr Rgb kNight{16, 22, 52};
inline constexpr Rgb kDusk{214, 120, 96};
inline constexpr Rgb kSeaDeep{18, 48, 86};
inline constexpr Rgb kSeaLight{58, 110, 150};
inline constexpr Rgb kFoam{228, 236, 240};
inline constexpr Rgb kSand{214, 190, 140};
inline constexpr Rgb kRock{86, 80, 84};
inline constexpr Rgb kWhite{244, 240, 228};
inline constexpr Rgb kRed{176, 44, 40};
inline constexpr Rgb kGold{250, 210, 90};
inline constexpr Rgb kLight{255, 244, 180};
inline constexpr Rgb kInk{40, 30, 24};
inline constexpr Rgb kWood{122, 80, 48};
inline constexpr Rgb kWoodDark{82, 52, 32};
inline constexpr Rgb kParchment{236, 220, 176};
}  // namespace palette

// A sea from `top` to `bottom` with rows of wave crests; `seed` places them.
void DrawSea(Canvas& canvas, int top, int bottom, Rgb far_colour, Rgb near_colour, unsigned seed);
void DrawStars(Canvas& canvas, int bottom, int count, unsigned seed);
// A striped tower standing on (cx, base) with its lantern on top; `lit` draws the light.
void DrawLighthouse(Canvas& canvas, double cx, double base, double height, double width, bool lit);
// A rocky mound: a polygon of jagged points from x0 to x1 on the line `base`.
void DrawRocks(Canvas& canvas, double x0, double x1, double base, double height, unsigned seed);

}  // namespace morvane::demo
