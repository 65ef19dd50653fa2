#include "platform/sdl/picture_textures.h"

#include <algorithm>
#include <vector>

namespace morvane::sdl {

PictureTextures::PictureTextures(SDL_Renderer* renderer, std::size_t bound_bytes)
    : renderer_(renderer), bound_bytes_(bound_bytes) {}

SDL_Texture* PictureTextures::Get(const PicturePtr& picture, int frame) {
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0 || picture->FrameCount() <= 0) {
        return nullptr;
    }
    frame = std::clamp(frame, 0, picture->FrameCount() - 1);
    const Key key{picture.get(), frame};
    auto found = entries_.find(key);
    // The address of a picture that died may be reused by a new one: the weak pointer tells.
    if (found != entries_.end() && found->second.picture.lock() != picture) {
        bytes_ -= found->second.bytes;
        entries_.erase(found);
        found = entries_.end();
    }
    if (found == entries_.end()) {
        TextureHandle texture = Upload(*picture, frame);
        if (!texture) {
            return nullptr;
        }
        ++uploads_;
        Entry entry;
        entry.picture = picture;
        entry.texture = std::move(texture);
        entry.bytes = static_cast<std::size_t>(picture->Width()) * picture->Height() * 4;
        bytes_ += entry.bytes;
        found = entries_.emplace(key, std::move(entry)).first;
    }
    found->second.last_use = ++clock_;
    return found->second.texture.get();
}

TextureHandle PictureTextures::Upload(const Picture& picture, int frame) const {
    const int width = picture.Width();
    const int height = picture.Height();
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    picture.CopyFrameArgb(frame, pixels.data());
    TextureHandle texture(SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                            SDL_TEXTUREACCESS_STATIC, width, height));
    if (!texture) {
        return nullptr;
    }
    SDL_UpdateTexture(texture.get(), nullptr, pixels.data(), width * 4);
    // Most scene pictures are opaque; copying them without blending is much cheaper.
    const bool opaque =
        std::all_of(pixels.begin(), pixels.end(), [](uint32_t p) { return (p >> 24) == 0xFF; });
    SDL_SetTextureBlendMode(texture.get(), opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    return texture;
}

void PictureTextures::Trim() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->second.picture.expired()) {
            bytes_ -= it->second.bytes;
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
    while (bytes_ > bound_bytes_ && !entries_.empty()) {
        const auto oldest = std::min_element(
            entries_.begin(), entries_.end(),
            [](const auto& a, const auto& b) { return a.second.last_use < b.second.last_use; });
        bytes_ -= oldest->second.bytes;
        entries_.erase(oldest);
    }
}

}  // namespace morvane::sdl
