#include "platform/sdl/picture_textures.h"

#include <algorithm>

#include "platform/picture_changes.h"

namespace morvane::sdl {
namespace {

bool AllOpaque(const uint32_t* pixels, std::size_t count) {
    return std::all_of(pixels, pixels + count, [](uint32_t p) { return (p >> 24) == 0xFF; });
}

}  // namespace

PictureTextures::PictureTextures(SDL_Renderer* renderer, std::size_t spare_bytes)
    : renderer_(renderer), spare_bytes_(spare_bytes) {}

void PictureTextures::BeginDraw(const std::vector<std::pair<const Picture*, int>>& on_screen) {
    on_screen_ = on_screen;
    std::sort(on_screen_.begin(), on_screen_.end());
}

bool PictureTextures::Wanted(const Picture* picture, int frame) const {
    return std::binary_search(on_screen_.begin(), on_screen_.end(), std::pair{picture, frame});
}

SDL_Texture* PictureTextures::Get(const PicturePtr& picture, int frame) {
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0 || picture->FrameCount() <= 0) {
        return nullptr;
    }
    frame = std::clamp(frame, 0, picture->FrameCount() - 1);
    auto found = entries_.find(picture.get());
    // The address of a picture that died may be reused by a new one: the weak pointer tells.
    if (found != entries_.end() && found->second.picture.lock() != picture) {
        Drop(found);
        found = entries_.end();
    }
    if (found == entries_.end()) {
        found = entries_.emplace(picture.get(), Entry{picture, {}, 0}).first;
    }
    Entry& entry = found->second;
    Slot* slot = nullptr;
    for (Slot& candidate : entry.slots) {
        if (candidate.frame == frame) {
            slot = &candidate;
            break;
        }
    }
    if (slot == nullptr) {
        // A texture whose frame left the screen follows the picture to this frame.
        for (Slot& candidate : entry.slots) {
            if (!Wanted(picture.get(), candidate.frame)) {
                slot = &candidate;
                break;
            }
        }
        if (slot == nullptr) {
            TextureHandle texture(SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                                    SDL_TEXTUREACCESS_STATIC, picture->Width(),
                                                    picture->Height()));
            if (!texture) {
                return nullptr;
            }
            const std::size_t bytes =
                static_cast<std::size_t>(picture->Width()) * picture->Height() * sizeof(uint32_t);
            entry.slot_bytes = bytes;
            bytes_ += bytes;
            entry.slots.push_back(Slot{std::move(texture), -1, false, 0});
            slot = &entry.slots.back();
        }
        if (!Fill(*slot, *picture, frame)) {
            return nullptr;
        }
    }
    slot->last_use = ++clock_;
    return slot->texture.get();
}

bool PictureTextures::Fill(Slot& slot, const Picture& picture, int frame) {
    const int width = picture.Width();
    const std::size_t pixels = static_cast<std::size_t>(width) * picture.Height();
    if (pixels_.size() < pixels) {
        pixels_.resize(pixels);
    }
    PictureRect rect;
    if (slot.frame >= 0 && slot.frame + 1 == frame &&
        CopyFrameChange(picture, frame, rect, pixels_.data())) {
        slot.frame = frame;
        ++partial_updates_;
        if (rect.Empty()) {
            return true;
        }
        const SDL_Rect area{rect.x, rect.y, rect.width, rect.height};
        SDL_UpdateTexture(slot.texture.get(), &area, pixels_.data(),
                          rect.width * static_cast<int>(sizeof(uint32_t)));
        if (slot.opaque &&
            !AllOpaque(pixels_.data(), static_cast<std::size_t>(rect.width) * rect.height)) {
            slot.opaque = false;
            SDL_SetTextureBlendMode(slot.texture.get(), SDL_BLENDMODE_BLEND);
        }
        return true;
    }
    picture.CopyFrameArgb(frame, pixels_.data());
    if (SDL_UpdateTexture(slot.texture.get(), nullptr, pixels_.data(),
                          width * static_cast<int>(sizeof(uint32_t))) != 0) {
        return false;
    }
    ++uploads_;
    slot.frame = frame;
    // Most scene pictures are opaque; copying them without blending is much cheaper.
    slot.opaque = AllOpaque(pixels_.data(), pixels);
    SDL_SetTextureBlendMode(slot.texture.get(),
                            slot.opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    return true;
}

void PictureTextures::Drop(std::unordered_map<const Picture*, Entry>::iterator entry) {
    bytes_ -= entry->second.slot_bytes * entry->second.slots.size();
    entries_.erase(entry);
}

void PictureTextures::Trim() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->second.picture.expired()) {
            const auto dead = it++;
            Drop(dead);
        } else {
            ++it;
        }
    }
    // Textures off screen, least recently shown first, go while they take too much.
    std::size_t spare = 0;
    std::vector<std::pair<uint64_t, const Picture*>> off_screen;
    for (auto& [picture, entry] : entries_) {
        for (const Slot& slot : entry.slots) {
            if (!Wanted(picture, slot.frame)) {
                spare += entry.slot_bytes;
                off_screen.emplace_back(slot.last_use, picture);
            }
        }
    }
    if (spare <= spare_bytes_) {
        return;
    }
    std::sort(off_screen.begin(), off_screen.end());
    for (const auto& [last_use, picture] : off_screen) {
        if (spare <= spare_bytes_) {
            break;
        }
        Entry& entry = entries_.at(picture);
        const auto slot =
            std::find_if(entry.slots.begin(), entry.slots.end(),
                         [use = last_use](const Slot& s) { return s.last_use == use; });
        if (slot == entry.slots.end()) {
            continue;
        }
        entry.slots.erase(slot);
        bytes_ -= entry.slot_bytes;
        spare -= entry.slot_bytes;
        if (entry.slots.empty()) {
            entries_.erase(picture);
        }
    }
}

std::size_t PictureTextures::Count() const {
    std::size_t count = 0;
    for (const auto& [picture, entry] : entries_) {
        count += entry.slots.size();
    }
    return count;
}

}  // namespace morvane::sdl
