#include "platform/sdl/system_window_place.h"

#include <algorithm>

namespace morvane::sdl {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool Inside(const Rect& r, const Rect& area) {
    return r.left >= area.left && r.top >= area.top && r.left + r.width <= area.left + area.width &&
           r.top + r.height <= area.top + area.height;
}

}  // namespace

Rect PlaceBeside(const Rect& game, const Rect& usable, const std::vector<Rect>& taken, int width,
                 int height, int cascade) {
    std::vector<int> rows;
    for (const Rect& other : taken) {
        rows.push_back(other.top + other.height + kBesideGap);
    }
    rows.push_back(usable.top);
    std::sort(rows.begin(), rows.end());
    rows.insert(rows.begin(), game.top);

    const int columns[] = {game.left + game.width + kBesideGap, game.left - kBesideGap - width};
    for (const int left : columns) {
        for (const int top : rows) {
            const Rect place{left, top, width, height};
            if (Inside(place, usable) && !Overlap(place, game) &&
                std::none_of(taken.begin(), taken.end(),
                             [&place](const Rect& other) { return Overlap(place, other); })) {
                return place;
            }
        }
    }
    const int offset = kCascadeStep * (std::max(cascade, 0) + 1);
    const int left =
        std::max(usable.left, std::min(game.left + offset, usable.left + usable.width - width));
    const int top =
        std::max(usable.top, std::min(game.top + offset, usable.top + usable.height - height));
    return {left, top, width, height};
}

}  // namespace morvane::sdl
