#pragma once

#include <string>

namespace morvane::testing {

// How often `part` occurs in `text`.
inline int CountOf(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace morvane::testing
