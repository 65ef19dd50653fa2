#pragma once

#include <functional>

#include "base/runtime_error.h"

namespace morvane::testing {

// The number of the run-time error `action` raises; 0 when it raises none.
inline int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace morvane::testing
