#include "platform/sdl/cursor_cache.h"

#include <algorithm>
#include <vector>

namespace morvane::sdl {
namespace {

SDL_SystemCursor SystemShapeOf(int mode) {
    switch (mode) {
        case 2:
            return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case 3:
            return SDL_SYSTEM_CURSOR_IBEAM;
        case 6:
            return SDL_SYSTEM_CURSOR_SIZENESW;
        case 7:
            return SDL_SYSTEM_CURSOR_SIZENS;
        case 8:
            return SDL_SYSTEM_CURSOR_SIZENWSE;
        case 9:
            return SDL_SYSTEM_CURSOR_SIZEWE;
        case ScreenPointer::kHourglass:
            return SDL_SYSTEM_CURSOR_WAIT;
        case 12:
            return SDL_SYSTEM_CURSOR_NO;
        case 13:
            return SDL_SYSTEM_CURSOR_WAITARROW;
        case 5:
        case 15:
            return SDL_SYSTEM_CURSOR_SIZEALL;
        default:
            return SDL_SYSTEM_CURSOR_ARROW;
    }
}

}  // namespace

bool CursorCache::Show(const Desktop::ShownPointer& pointer, int scale) {
    scale = std::max(scale, 1);
    const bool custom = pointer.mode == ScreenPointer::kCustom && pointer.picture;
    const Picture* picture = custom ? pointer.picture.get() : nullptr;
    if (pointer.mode == shown_mode_ && picture == shown_picture_ &&
        (!custom || scale == shown_scale_)) {
        return false;
    }
    SDL_Cursor* cursor = custom ? CustomCursor(pointer.picture, scale) : nullptr;
    if (cursor == nullptr) {
        cursor = SystemCursor(custom ? ScreenPointer::kArrow : pointer.mode);
    }
    if (cursor != nullptr) {
        SDL_SetCursor(cursor);
    }
    shown_mode_ = pointer.mode;
    shown_picture_ = picture;
    shown_scale_ = scale;
    return true;
}

SDL_Cursor* CursorCache::CustomCursor(const PicturePtr& picture, int scale) {
    auto found = custom_.find(picture.get());
    if (found != custom_.end() &&
        (found->second.picture.lock() != picture || found->second.scale != scale)) {
        // The cursor of a picture that died, or of another scale, goes first.
        if (SDL_GetCursor() == found->second.cursor.get()) {
            SDL_SetCursor(SystemCursor(ScreenPointer::kArrow));
        }
        custom_.erase(found);
        found = custom_.end();
    }
    if (found != custom_.end()) {
        return found->second.cursor.get();
    }
    // Dead pictures' cursors are dropped whenever a new one is made.
    std::erase_if(custom_, [](const auto& item) {
        return item.second.picture.expired() && SDL_GetCursor() != item.second.cursor.get();
    });
    Custom entry;
    entry.picture = picture;
    entry.scale = scale;
    const int width = picture->Width();
    const int height = picture->Height();
    if (width > 0 && height > 0 && picture->FrameCount() > 0) {
        std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
        picture->CopyFrameArgb(0, pixels.data());
        SurfaceHandle source(SDL_CreateRGBSurfaceWithFormatFrom(
            pixels.data(), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888));
        SurfaceHandle scaled(SDL_CreateRGBSurfaceWithFormat(0, width * scale, height * scale, 32,
                                                            SDL_PIXELFORMAT_ARGB8888));
        if (source && scaled) {
            SDL_SetSurfaceBlendMode(source.get(), SDL_BLENDMODE_NONE);
            SDL_BlitScaled(source.get(), nullptr, scaled.get(), nullptr);
            const HotSpot hot = picture->CursorHotSpot().value_or(HotSpot{});
            entry.cursor.reset(SDL_CreateColorCursor(scaled.get(),
                                                     std::clamp(hot.x, 0, width - 1) * scale,
                                                     std::clamp(hot.y, 0, height - 1) * scale));
            if (entry.cursor) {
                ++made_;
            }
        }
    }
    return custom_.emplace(picture.get(), std::move(entry)).first->second.cursor.get();
}

SDL_Cursor* CursorCache::SystemCursor(int mode) {
    const SDL_SystemCursor shape = SystemShapeOf(mode);
    auto found = system_.find(shape);
    if (found == system_.end()) {
        found = system_.emplace(shape, CursorHandle(SDL_CreateSystemCursor(shape))).first;
    }
    return found->second.get();
}

}  // namespace morvane::sdl
