#include "platform/sdl/font.h"

#include <algorithm>

#include "base/text.h"
#include "platform/sdl/sdl_library.h"

namespace morvane::sdl {
namespace {

// The byte length of the UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

}  // namespace

Font::Font(const std::string& path, int size) : font_(TTF_OpenFont(path.c_str(), size)) {
    if (!font_) {
        throw SdlError("Cannot open the font " + path);
    }
}

int Font::LineHeight() const {
    return TTF_FontLineSkip(font_.get());
}

int Font::Measure(std::string_view utf8) const {
    if (utf8.empty()) {
        return 0;
    }
    int width = 0;
    int height = 0;
    const std::string text(utf8);
    if (TTF_SizeUTF8(font_.get(), text.c_str(), &width, &height) != 0) {
        return 0;
    }
    return width;
}

std::vector<std::string> Font::WrapLines(std::string_view text, int width) const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        const std::string_view paragraph = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        WrapParagraph(Windows1252ToUtf8(paragraph), width, lines);
        if (end == std::string_view::npos) {
            break;
        }
        // A carriage return and line feed together are one break.
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

void Font::WrapParagraph(std::string_view utf8, int width, std::vector<std::string>& lines) const {
    if (width <= 0 || Measure(utf8) <= width) {
        lines.emplace_back(utf8);
        return;
    }
    std::string line;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // The next word with the spaces before it.
        std::size_t word_end = pos;
        while (word_end < utf8.size() && utf8[word_end] == ' ') {
            ++word_end;
        }
        while (word_end < utf8.size() && utf8[word_end] != ' ') {
            ++word_end;
        }
        const std::string_view word = utf8.substr(pos, word_end - pos);
        if (Measure(line + std::string(word)) <= width) {
            line += word;
            pos = word_end;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
            line.clear();
            // The spaces that ended the line do not start the next one.
            while (pos < utf8.size() && utf8[pos] == ' ') {
                ++pos;
            }
            continue;
        }
        // A word wider than the whole line: break it between characters.
        std::size_t cut = pos;
        while (cut < word_end) {
            const std::size_t next =
                std::min(word_end, cut + SequenceLength(static_cast<unsigned char>(utf8[cut])));
            if (cut > pos && Measure(utf8.substr(pos, next - pos)) > width) {
                break;
            }
            cut = next;
        }
        lines.emplace_back(utf8.substr(pos, cut - pos));
        pos = cut;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
}

SurfaceHandle Font::Render(const std::string& utf8, SDL_Color colour) const {
    if (utf8.empty()) {
        return nullptr;
    }
    return SurfaceHandle(TTF_RenderUTF8_Blended(font_.get(), utf8.c_str(), colour));
}

}  // namespace morvane::sdl
