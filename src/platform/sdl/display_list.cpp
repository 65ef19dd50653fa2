#include "platform/sdl/display_list.h"

#include <optional>

#include "platform/picture_changes.h"

#include <algorithm>

namespace morvane::sdl {
namespace {

constexpr std::size_t kMostRectangles = 24;

Rect Union(const Rect& a, const Rect& b) {
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

void AddDamage(std::vector<Rect>& damage, Rect r) {
    if (IsEmpty(r)) {
        return;
    }
    // Merging may make the rectangle meet others it did not meet before.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = damage.begin(); it != damage.end(); ++it) {
            if (!IsEmpty(Intersect(*it, r))) {
                r = Union(*it, r);
                damage.erase(it);
                merged = true;
                break;
            }
        }
    }
    damage.push_back(r);
}

bool SameColour(SDL_Color a, SDL_Color b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// Where an animation moving one frame on (or back) changes the canvas, when its picture keeps
// that frame as the rectangle it changes and is drawn unscaled.
std::optional<Rect> FrameStep(const DrawOp& before, const DrawOp& after) {
    if (before.kind != DrawOp::Kind::kPicture || after.kind != DrawOp::Kind::kPicture ||
        before.picture != after.picture || !after.picture || before.clip != after.clip ||
        before.place != after.place || after.place.width != after.picture->Width() ||
        after.place.height != after.picture->Height()) {
        return std::nullopt;
    }
    const int last = after.picture->FrameCount() - 1;
    const int from = std::clamp(before.frame, 0, std::max(last, 0));
    const int to = std::clamp(after.frame, 0, std::max(last, 0));
    if (from == to) {
        return Rect{};
    }
    if (to != from + 1 && to != from - 1) {
        return std::nullopt;
    }
    const auto change = FrameChangeRect(*after.picture, std::max(from, to));
    if (!change) {
        return std::nullopt;
    }
    const Rect moved{after.place.left + change->x, after.place.top + change->y, change->width,
                     change->height};
    return Intersect(moved, after.clip);
}

}  // namespace

Rect Intersect(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

bool IsEmpty(const Rect& r) {
    return r.width <= 0 || r.height <= 0;
}

Rect DrawOp::Bounds() const {
    if (kind == Kind::kLine) {
        const int left = std::min(place.left, place.width);
        const int top = std::min(place.top, place.height);
        const Rect line{left, top, std::max(place.left, place.width) - left + 1,
                        std::max(place.top, place.height) - top + 1};
        return Intersect(line, clip);
    }
    return Intersect(place, clip);
}

bool DrawOp::operator==(const DrawOp& other) const {
    return kind == other.kind && clip == other.clip && place == other.place &&
           SameColour(colour, other.colour) && picture == other.picture && frame == other.frame &&
           text == other.text;
}

void DisplayList::Fill(const Rect& area, SDL_Color colour) {
    ops_.push_back({DrawOp::Kind::kFill, clip_, area, colour, nullptr, 0, {}});
}

void DisplayList::Line(int x1, int y1, int x2, int y2, SDL_Color colour) {
    ops_.push_back({DrawOp::Kind::kLine, clip_, {x1, y1, x2, y2}, colour, nullptr, 0, {}});
}

void DisplayList::Picture(const PicturePtr& picture, int frame, const Rect& place) {
    ops_.push_back({DrawOp::Kind::kPicture, clip_, place, {}, picture, frame, {}});
}

void DisplayList::Text(const std::string& utf8, SDL_Color colour, const Rect& place) {
    ops_.push_back({DrawOp::Kind::kText, clip_, place, colour, nullptr, 0, utf8});
}

std::vector<Rect> Damage(const DisplayList& before, const DisplayList& after, const Rect& canvas) {
    const auto& old_ops = before.Ops();
    const auto& new_ops = after.Ops();
    if (old_ops.size() != new_ops.size()) {
        return {canvas};
    }
    std::vector<Rect> damage;
    for (std::size_t i = 0; i < new_ops.size(); ++i) {
        if (const auto moved = FrameStep(old_ops[i], new_ops[i])) {
            AddDamage(damage, Intersect(*moved, canvas));
            continue;
        }
        if (!(old_ops[i] == new_ops[i])) {
            AddDamage(damage, Intersect(old_ops[i].Bounds(), canvas));
            AddDamage(damage, Intersect(new_ops[i].Bounds(), canvas));
        }
    }
    if (damage.size() > kMostRectangles) {
        Rect all = damage.front();
        for (const Rect& r : damage) {
            all = Union(all, r);
        }
        return {all};
    }
    return damage;
}

}  // namespace morvane::sdl
