#include "platform/sdl/sdl_image_decoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace morvane::sdl {
namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

using SdlLoader = SDL_Surface* (*)(SDL_RWops*);

SdlLoader LoaderFor(PictureFormat format) {
    switch (format) {
        case PictureFormat::kBmp:
            return IMG_LoadBMP_RW;
        case PictureFormat::kJpeg:
            return IMG_LoadJPG_RW;
        case PictureFormat::kPng:
            return IMG_LoadPNG_RW;
        case PictureFormat::kIcon:
            return IMG_LoadICO_RW;
        case PictureFormat::kCursor:
            return IMG_LoadCUR_RW;
        case PictureFormat::kGif:
        case PictureFormat::kUnknown:
            break;
    }
    return nullptr;
}

Surface Load(std::span<const uint8_t> bytes, SdlLoader loader) {
    if (loader == nullptr || bytes.size() > static_cast<std::size_t>(INT32_MAX)) {
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) {
        return nullptr;
    }
    Surface surface(loader(source));
    SDL_RWclose(source);
    return surface;
}

StillPixels Failed(std::string why) {
    StillPixels failed;
    failed.error = std::move(why);
    return failed;
}

}  // namespace

StillPixels SdlImageDecoder::Decode(std::span<const uint8_t> bytes, PictureFormat format) const {
    const Surface surface = Load(bytes, LoaderFor(format));
    if (!surface || surface->w <= 0 || surface->h <= 0) {
        return Failed(std::string("cannot decode picture (") + SDL_GetError() + ")");
    }
    const Surface argb(SDL_ConvertSurfaceFormat(surface.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        return Failed(std::string("cannot convert picture (") + SDL_GetError() + ")");
    }
    StillPixels still;
    still.width = argb->w;
    still.height = argb->h;
    still.pixels.resize(static_cast<std::size_t>(still.width) * still.height);
    if (SDL_LockSurface(argb.get()) != 0) {
        return Failed("cannot read picture pixels");
    }
    for (int y = 0; y < still.height; ++y) {
        std::memcpy(
            still.pixels.data() + static_cast<std::size_t>(y) * still.width,
            static_cast<const uint8_t*>(argb->pixels) + static_cast<std::size_t>(y) * argb->pitch,
            sizeof(uint32_t) * still.width);
    }
    SDL_UnlockSurface(argb.get());
    return still;
}

}  // namespace morvane::sdl
