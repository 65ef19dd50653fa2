#pragma once

#include <string>

#include "platform/clipboard.h"

namespace morvane::sdl {

// The desktop's clipboard. The game's texts are Windows-1252 bytes; the clipboard holds UTF-8,
// and characters that Windows-1252 lacks are dropped on the way in.
class SdlClipboard final : public Clipboard {
  public:
    std::string GetText() const override;
    void SetText(std::string text) override;
    void Clear() override;
};

}  // namespace morvane::sdl
