#include "flow/saved_game_name.h"

#include "base/text.h"

namespace morvane {
namespace {

constexpr std::string_view kExtension = ".sav";
constexpr std::string_view kDefaultText = "filename";
// Characters no name of a file on the game's home system may hold; '/', '\' and ':' would also
// lead out of the folder.
constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";
// What the naming rule cuts from a name with a dot: a three-letter extension and its dot.
constexpr std::size_t kExtensionLength = 4;

bool Forbidden(std::string_view name) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127 || kForbiddenCharacters.find(c) != std::string_view::npos) {
            return true;
        }
    }
    return name.find("..") != std::string_view::npos;
}

}  // namespace

SaveFileName MakeSaveFileName(std::string_view typed) {
    const std::string name = Trim(typed);
    if (name.empty() || ToLowerAscii(name) == kDefaultText) {
        return {};
    }
    if (Forbidden(name)) {
        return {SaveFileName::Verdict::kForbidden, {}};
    }
    std::string stem = name;
    if (name.find('.') != std::string::npos && name.size() >= kExtensionLength) {
        stem.resize(name.size() - kExtensionLength);
    }
    if (Trim(stem).empty()) {
        return {};
    }
    return {SaveFileName::Verdict::kOk, stem + std::string(kExtension)};
}

}  // namespace morvane
