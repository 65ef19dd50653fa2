#pragma once

#include <cstdint>
#include <string>

// The saved-game layout transcribed on its own, with a reader and a writer of its own, for tests
// that check saved-game files byte by byte without the player's record code.
namespace morvane::testing::saved_game {

// Where each field lies, how wide one element is and how many elements it has.
struct Place {
    const char* name;
    std::size_t offset;
    std::size_t width;
    int count;
};

constexpr Place kDescription{"description", 0, 50, 1};
constexpr Place kDate{"date", 50, 10, 1};
constexpr Place kTime{"time", 60, 10, 1};
constexpr Place kSoundtrack{"soundtrack", 70, 15, 1};
constexpr Place kVolume{"soundtrack volume", 85, 4, 1};
constexpr Place kScene{"scene", 89, 2, 1};
constexpr Place kFlags{"flags", 91, 2, 255};
constexpr Place kDelayRunning{"delay running", 601, 2, 20};
constexpr Place kDelayDuration{"delay duration", 641, 2, 20};
constexpr Place kDelayFlag{"delay flag", 681, 2, 20};
constexpr Place kDelayValue{"delay value", 721, 2, 20};
constexpr Place kDelayMode{"delay mode", 761, 2, 20};
constexpr Place kInventory{"inventory", 801, 2, 16};
constexpr Place kMap{"map", 833, 2, 20};
constexpr Place kReservedTexts{"reserved texts", 873, 20, 10};
constexpr Place kReservedNumbers{"reserved numbers", 1073, 2, 20};

constexpr Place kPlaces[] = {kDescription,   kDate,      kTime,          kSoundtrack,
                             kVolume,        kScene,     kFlags,         kDelayRunning,
                             kDelayDuration, kDelayFlag, kDelayValue,    kDelayMode,
                             kInventory,     kMap,       kReservedTexts, kReservedNumbers};

inline int16_t Read16(const std::string& bytes, const Place& place, int element) {
    const std::size_t at = place.offset + static_cast<std::size_t>(element - 1) * 2;
    return static_cast<int16_t>(static_cast<uint8_t>(bytes.at(at)) |
                                (static_cast<uint8_t>(bytes.at(at + 1)) << 8));
}

inline int32_t Read32(const std::string& bytes, const Place& place) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes.at(place.offset + i))) << (8 * i);
    }
    return static_cast<int32_t>(value);
}

inline std::string ReadText(const std::string& bytes, const Place& place, int element = 1) {
    return bytes.substr(place.offset + static_cast<std::size_t>(element - 1) * place.width,
                        place.width);
}

inline void Write16(std::string& bytes, const Place& place, int element, int16_t value) {
    const std::size_t at = place.offset + static_cast<std::size_t>(element - 1) * 2;
    bytes.at(at) = static_cast<char>(static_cast<uint16_t>(value) & 0xFF);
    bytes.at(at + 1) = static_cast<char>(static_cast<uint16_t>(value) >> 8);
}

inline std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

inline void Write32(std::string& bytes, const Place& place, int32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(place.offset + i) =
            static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    }
}

// Writes `text` space-padded into element `element` of a text field.
inline void WriteText(std::string& bytes, const Place& place, int element,
                      const std::string& text) {
    bytes.replace(place.offset + static_cast<std::size_t>(element - 1) * place.width, place.width,
                  Padded(text, place.width));
}

// A file of blanks and zeros, as a player writes one with nothing in it.
inline std::string BlankRecord() {
    std::string bytes(1113, '\0');
    for (const Place& place : {kDescription, kDate, kTime, kSoundtrack}) {
        WriteText(bytes, place, 1, "");
    }
    for (int k = 1; k <= kReservedTexts.count; ++k) {
        WriteText(bytes, kReservedTexts, k, "");
    }
    return bytes;
}

}  // namespace morvane::testing::saved_game
