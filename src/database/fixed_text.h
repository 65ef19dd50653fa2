#pragma once

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/text.h"

namespace morvane {

// A text field of a database record: exactly Width Windows-1252 bytes, space-padded on the right,
// kept as read so that fields the player never interprets are written back unchanged.
template <std::size_t Width>
class FixedText {
  public:
    static constexpr std::size_t kWidth = Width;

    FixedText() : bytes_(Width, ' ') {}

    // Pads the text with spaces; a text that does not fit is a mistake of the caller, because
    // the game source reader checks the width before it builds a field.
    explicit FixedText(std::string_view text) : FixedText() {
        if (text.size() > Width) {
            throw std::length_error("text longer than its field");
        }
        bytes_.replace(0, text.size(), text);
    }

    // The field exactly as stored, Width bytes.
    const std::string& Bytes() const { return bytes_; }

    // Takes the stored bytes as they are; missing bytes at the end become spaces.
    void SetBytes(std::string_view raw) {
        bytes_.assign(Width, ' ');
        bytes_.replace(0, std::min(raw.size(), Width), raw.substr(0, std::min(raw.size(), Width)));
    }

    // What every reader uses: both ends trimmed, so an all-space field means none.
    std::string Trimmed() const { return Trim(bytes_); }

    bool operator==(const FixedText&) const = default;

  private:
    std::string bytes_;
};

}  // namespace morvane
