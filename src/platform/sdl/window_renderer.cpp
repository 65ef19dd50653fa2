#include "platform/sdl/window_renderer.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/sdl/sdl_library.h"

namespace morvane::sdl {
namespace {

// Whether this process can reach a graphics processor. Without one, OpenGL could only be
// emulated on the processor (llvmpipe and its kin), where SDL's own software renderer costs a
// fraction of the time; deciding before any renderer is made loads no OpenGL library for
// nothing.
bool GpuReachable() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::string_view(driver) == "dummy" ||
        std::string_view(driver) == "offscreen") {
        return false;
    }
    if (const char* software = std::getenv("LIBGL_ALWAYS_SOFTWARE");
        software != nullptr && *software != '\0' && std::string_view(software) != "0") {
        return false;
    }
#ifdef __linux__
    // A GPU is reached through a render node of the kernel's graphics drivers.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        if (entry.path().filename().string().rfind("renderD", 0) == 0 &&
            access(entry.path().c_str(), R_OK | W_OK) == 0) {
            return true;
        }
    }
    return false;
#else
    return true;
#endif
}

}  // namespace

RendererHandle MakeWindowRenderer(SDL_Window* window, const char* what) {
    // No vertical sync: frames are shown only when something changed, and waiting for the
    // display would only delay the next input.
    RendererHandle renderer;
    if (GpuReachable()) {
        renderer.reset(
            SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE));
    }
    if (!renderer) {
        // The window's pixels go straight to the display, not through an emulated GPU.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer.reset(
            SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE));
    }
    if (!renderer) {
        throw SdlError(what);
    }
    return renderer;
}

}  // namespace morvane::sdl
