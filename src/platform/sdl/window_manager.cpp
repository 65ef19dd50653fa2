#include "platform/sdl/window_manager.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace morvane::sdl {

bool HasWindowManager(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return true;
    }
    Display* display = info.info.x11.display;
    // A window manager following the desktop's conventions names its check window here.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &after, &data);
    const bool managed = status == Success && data != nullptr && count == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return managed;
#else
    (void)window;
    return true;
#endif
}

void SetWindowOwner(SDL_Window* owned, SDL_Window* owner) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo owned_info;
    SDL_SysWMinfo owner_info;
    SDL_VERSION(&owned_info.version);
    SDL_VERSION(&owner_info.version);
    if (SDL_GetWindowWMInfo(owned, &owned_info) == SDL_TRUE &&
        SDL_GetWindowWMInfo(owner, &owner_info) == SDL_TRUE &&
        owned_info.subsystem == SDL_SYSWM_X11 && owner_info.subsystem == SDL_SYSWM_X11) {
        XSetTransientForHint(owned_info.info.x11.display, owned_info.info.x11.window,
                             owner_info.info.x11.window);
        return;
    }
#endif
    SDL_SetWindowModalFor(owned, owner);
}

}  // namespace morvane::sdl
