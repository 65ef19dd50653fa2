#include "debug/control_name.h"

#include <cctype>

#include "base/text.h"
#include "platform/control.h"
#include "platform/desktop.h"
#include "platform/window.h"

namespace morvane {
namespace {

bool IsIdentifier(std::string_view text) {
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text.front())) != 0) {
        return false;
    }
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_') {
            return false;
        }
    }
    return true;
}

// Control arrays in the game's windows are small; anything longer than this is a typo.
constexpr std::size_t kMaxIndexDigits = 5;

Control* FindIn(Control& container, const ControlName& name) {
    for (Control* child : container.Children()) {
        if (child->Index() == name.index && EqualsIgnoreCase(child->Name(), name.name)) {
            return child;
        }
        if (Control* found = FindIn(*child, name); found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<ControlName> ParseControlName(std::string_view text) {
    ControlName result;
    const auto dot = text.find('.');
    result.window = std::string(text.substr(0, dot));
    if (!IsIdentifier(result.window)) {
        return std::nullopt;
    }
    if (dot == std::string_view::npos) {
        return result;
    }
    std::string_view rest = text.substr(dot + 1);
    if (const auto open = rest.find('('); open != std::string_view::npos) {
        if (rest.back() != ')') {
            return std::nullopt;
        }
        const std::string_view digits = rest.substr(open + 1, rest.size() - open - 2);
        if (digits.empty() || digits.size() > kMaxIndexDigits) {
            return std::nullopt;
        }
        int index = 0;
        for (const char c : digits) {
            if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
                return std::nullopt;
            }
            index = index * 10 + (c - '0');
        }
        // Arrays count from 1; the map window's one array from 0 has its first element named
        // both ways, since the control model reads index 0 as "not in an array".
        result.index = index;
        rest = rest.substr(0, open);
    }
    if (!IsIdentifier(rest)) {
        return std::nullopt;
    }
    result.name = std::string(rest);
    return result;
}

Control* FindControl(const Desktop& desktop, const ControlName& name) {
    for (Window* window : desktop.StackingOrder()) {
        if (!EqualsIgnoreCase(window->Name(), name.window)) {
            continue;
        }
        if (name.name.empty()) {
            return name.index == 0 ? window : nullptr;
        }
        return FindIn(*window, name);
    }
    return nullptr;
}

Control* FindControl(const Desktop& desktop, std::string_view text) {
    const auto name = ParseControlName(text);
    return name ? FindControl(desktop, *name) : nullptr;
}

}  // namespace morvane
