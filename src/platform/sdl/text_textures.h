#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "platform/sdl/font.h"
#include "platform/sdl/sdl_handles.h"

namespace morvane::sdl {

// Rendered lines of text, kept while they stay on screen so a redraw renders no text again.
class TextTextures {
  public:
    struct Line {
        SDL_Texture* texture = nullptr;  // nothing for an empty line
        int width = 0;
        int height = 0;
    };

    TextTextures(SDL_Renderer* renderer, const Font& font);

    Line Get(const std::string& utf8, SDL_Color colour);

    // After a frame is drawn: forgets lines not drawn for a while.
    void Trim();

    std::size_t Count() const { return entries_.size(); }

  private:
    struct Entry {
        TextureHandle texture;
        int width = 0;
        int height = 0;
        uint64_t last_frame = 0;
    };
    using Key = std::tuple<std::string, uint32_t>;

    SDL_Renderer* renderer_;
    const Font& font_;
    std::map<Key, Entry> entries_;
    uint64_t frame_ = 0;
};

}  // namespace morvane::sdl
