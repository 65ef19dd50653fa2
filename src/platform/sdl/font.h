#pragma once

#include <SDL.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/sdl/sdl_handles.h"

namespace morvane::sdl {

inline constexpr const char* kDefaultFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr int kDefaultFontSize = 12;

// The one typeface of the window's texts. Game texts are Windows-1252 bytes; the font lays them
// out and renders them as UTF-8.
class Font {
  public:
    // Throws SdlError when the font file cannot be opened.
    explicit Font(const std::string& path = kDefaultFontPath, int size = kDefaultFontSize);

    int LineHeight() const;
    // Width in pixels of a UTF-8 text on one line.
    int Measure(std::string_view utf8) const;

    // Breaks a Windows-1252 text into UTF-8 lines no wider than `width` (0: only at line
    // breaks): at carriage returns and line feeds, then between words, and inside a word that
    // is wider than the line on its own.
    std::vector<std::string> WrapLines(std::string_view text, int width) const;

    // Anti-aliased text with a transparent background; nothing for an empty text.
    SurfaceHandle Render(const std::string& utf8, SDL_Color colour) const;

  private:
    void WrapParagraph(std::string_view utf8, int width, std::vector<std::string>& lines) const;

    FontHandle font_;
};

}  // namespace morvane::sdl
