#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/picture.h"
#include "platform/sdl/sdl_handles.h"

namespace morvane::sdl {

// The GPU copies of the pictures on screen. A picture keeps one texture for each of its frames
// on screen at once, so an animated control has one texture that follows its frame: moving to
// the next frame updates the texture with just the rectangle that frame changed, when the
// picture keeps frames that way. Textures of pictures no longer on screen are kept up to a
// small bound, the least recently shown dropped first, and go with their picture.
class PictureTextures {
  public:
    explicit PictureTextures(SDL_Renderer* renderer, std::size_t spare_bytes = 16u << 20);

    // Before a frame is drawn: the frames of the pictures the whole canvas shows now, so a
    // texture holding a frame no longer shown can be updated in place.
    void BeginDraw(const std::vector<std::pair<const Picture*, int>>& on_screen);

    // The texture of frame `frame` of `picture` (clamped to its frames); nothing when the
    // picture is empty or the GPU refuses it.
    SDL_Texture* Get(const PicturePtr& picture, int frame);

    // After a frame is drawn: forgets textures of pictures nobody holds any more, then those
    // not on screen while they take more than the spare bound.
    void Trim();

    std::size_t Count() const;
    std::size_t Bytes() const { return bytes_; }
    // How many times a texture was filled with a whole frame, and with a changed rectangle.
    uint64_t Uploads() const { return uploads_; }
    uint64_t PartialUpdates() const { return partial_updates_; }

  private:
    struct Slot {
        TextureHandle texture;
        int frame = 0;
        bool opaque = false;
        uint64_t last_use = 0;
    };
    struct Entry {
        std::weak_ptr<const Picture> picture;
        std::vector<Slot> slots;
        std::size_t slot_bytes = 0;
    };

    bool Wanted(const Picture* picture, int frame) const;
    bool Fill(Slot& slot, const Picture& picture, int frame);
    void Drop(std::unordered_map<const Picture*, Entry>::iterator entry);

    SDL_Renderer* renderer_;
    std::size_t spare_bytes_;
    std::unordered_map<const Picture*, Entry> entries_;
    std::vector<std::pair<const Picture*, int>> on_screen_;  // sorted
    std::vector<uint32_t> pixels_;
    std::size_t bytes_ = 0;
    uint64_t clock_ = 0;
    uint64_t uploads_ = 0;
    uint64_t partial_updates_ = 0;
};

}  // namespace morvane::sdl
