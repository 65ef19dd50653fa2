#include "platform/sdl/text_textures.h"

namespace morvane::sdl {
namespace {

// Lines not drawn in this many frames are dropped.
constexpr uint64_t kKeepFrames = 60;

uint32_t Pack(SDL_Color c) {
    return (uint32_t{c.r} << 24) | (uint32_t{c.g} << 16) | (uint32_t{c.b} << 8) | c.a;
}

}  // namespace

TextTextures::TextTextures(SDL_Renderer* renderer, const Font& font)
    : renderer_(renderer), font_(font) {}

TextTextures::Line TextTextures::Get(const std::string& utf8, SDL_Color colour) {
    if (utf8.empty()) {
        return {nullptr, 0, font_.LineHeight()};
    }
    const Key key{utf8, Pack(colour)};
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        Entry entry;
        if (SurfaceHandle surface = font_.Render(utf8, colour)) {
            entry.texture.reset(SDL_CreateTextureFromSurface(renderer_, surface.get()));
            entry.width = surface->w;
            entry.height = surface->h;
            if (entry.texture) {
                SDL_SetTextureBlendMode(entry.texture.get(), SDL_BLENDMODE_BLEND);
            }
        }
        found = entries_.emplace(key, std::move(entry)).first;
    }
    found->second.last_frame = frame_;
    return {found->second.texture.get(), found->second.width, found->second.height};
}

void TextTextures::Trim() {
    ++frame_;
    std::erase_if(entries_, [this](const auto& item) {
        return item.second.last_frame + kKeepFrames < frame_;
    });
}

}  // namespace morvane::sdl
