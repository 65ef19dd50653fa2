#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "base/runtime_error.h"

namespace morvane {

// The engine's number types: Integer is 16-bit, Long 32-bit. Booleans stored as numbers are -1 and
// 0.
using Integer = int16_t;
using Long = int32_t;

inline constexpr Integer kTrue = -1;
inline constexpr Integer kFalse = 0;

// Narrows a wider value to an Integer; a value outside -32768..32767 is run-time error 6.
inline Integer ToInteger(long long value) {
    if (value < std::numeric_limits<Integer>::min() ||
        value > std::numeric_limits<Integer>::max()) {
        Raise(ErrorNumber::kOverflow);
    }
    return static_cast<Integer>(value);
}

inline Long ToLong(long long value) {
    if (value < std::numeric_limits<Long>::min() || value > std::numeric_limits<Long>::max()) {
        Raise(ErrorNumber::kOverflow);
    }
    return static_cast<Long>(value);
}

// Converts a floating value to an Integer the classic way: round half to even (2.5 -> 2,
// 3.5 -> 4), error 6 outside the 16-bit range.
inline Integer RoundToInteger(double value) {
    if (std::isnan(value)) {
        Raise(ErrorNumber::kOverflow);
    }
    const double rounded = std::nearbyint(value);  // default rounding mode is half to even
    if (rounded < -32768.0 || rounded > 32767.0) {
        Raise(ErrorNumber::kOverflow);
    }
    return static_cast<Integer>(rounded);
}

// Checked 16-bit arithmetic: a result outside the range raises Overflow instead of wrapping.
inline Integer AddInteger(Integer a, Integer b) {
    return ToInteger(static_cast<long long>(a) + b);
}
inline Integer SubInteger(Integer a, Integer b) {
    return ToInteger(static_cast<long long>(a) - b);
}
inline Integer MulInteger(Integer a, Integer b) {
    return ToInteger(static_cast<long long>(a) * b);
}

inline Long AddLong(Long a, Long b) {
    return ToLong(static_cast<long long>(a) + b);
}
inline Long MulLong(Long a, Long b) {
    return ToLong(static_cast<long long>(a) * b);
}

}  // namespace morvane
