#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

#include "platform/picture.h"
#include "platform/sdl/sdl_handles.h"

namespace morvane::sdl {

// The GPU copies of the pictures on screen, one texture per picture and frame. Pictures never
// change once made, so a texture is uploaded once and kept while its picture lives and it fits
// in the memory bound; an animation that loops uploads each frame only the first time round.
class PictureTextures {
  public:
    explicit PictureTextures(SDL_Renderer* renderer, std::size_t bound_bytes = 256u << 20);

    // The texture of frame `frame` of `picture` (clamped to its frames); nothing when the
    // picture is empty or the GPU refuses it.
    SDL_Texture* Get(const PicturePtr& picture, int frame);

    // After a frame is drawn: forgets textures of pictures nobody holds any more, then the
    // least recently used ones while the cache is over its bound.
    void Trim();

    std::size_t Count() const { return entries_.size(); }
    std::size_t Bytes() const { return bytes_; }
    // How many textures were uploaded so far.
    uint64_t Uploads() const { return uploads_; }

  private:
    struct Entry {
        std::weak_ptr<const Picture> picture;
        TextureHandle texture;
        std::size_t bytes = 0;
        uint64_t last_use = 0;
    };
    using Key = std::pair<const Picture*, int>;

    TextureHandle Upload(const Picture& picture, int frame) const;

    SDL_Renderer* renderer_;
    std::size_t bound_bytes_;
    std::map<Key, Entry> entries_;
    std::size_t bytes_ = 0;
    uint64_t clock_ = 0;
    uint64_t uploads_ = 0;
};

}  // namespace morvane::sdl
