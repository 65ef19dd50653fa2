#pragma once

#include <cstdlib>
#include <functional>
#include <string>

namespace morvane {

// Reads one environment variable; empty when it is not set. Code that looks at the environment
// takes one of these, so tests can hand it another world.
using EnvironmentLookup = std::function<std::string(const std::string& name)>;

inline std::string SystemEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace morvane
