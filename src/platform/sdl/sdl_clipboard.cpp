#include "platform/sdl/sdl_clipboard.h"

#include <SDL.h>

#include "base/text.h"
#include "platform/sdl/key_codes.h"

namespace morvane::sdl {

std::string SdlClipboard::GetText() const {
    char* utf8 = SDL_GetClipboardText();
    if (utf8 == nullptr) {
        return {};
    }
    std::string text;
    for (const unsigned char byte : TypedBytes(utf8)) {
        text += static_cast<char>(byte);
    }
    SDL_free(utf8);
    return text;
}

void SdlClipboard::SetText(std::string text) {
    SDL_SetClipboardText(Windows1252ToUtf8(text).c_str());
}

void SdlClipboard::Clear() {
    SDL_SetClipboardText("");
}

}  // namespace morvane::sdl
