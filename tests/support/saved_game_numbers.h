#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "support/saved_game_bytes.h"

namespace morvane::testing::saved_game {

// One number of a saved game: its field, its element (from 1) and its value.
struct Number {
    const Place& place;
    int element;
    int value;
};

inline void WriteNumbers(std::string& bytes, std::span<const Number> numbers) {
    for (const Number& n : numbers) {
        Write16(bytes, n.place, n.element, static_cast<int16_t>(n.value));
    }
}

// Each number as the file holds it; a failure names the field and the element.
inline void ExpectNumbers(const std::string& bytes, std::span<const Number> numbers) {
    for (const Number& n : numbers) {
        EXPECT_EQ(Read16(bytes, n.place, n.element), n.value) << n.place.name << " " << n.element;
    }
}

}  // namespace morvane::testing::saved_game
