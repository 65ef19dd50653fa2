#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace morvane {

// Whether `folder` can be played: it must be a folder holding at least one of the five database
// files in its resource folder (spelt in any case). Nothing when it can; otherwise the line to
// show, "not a game folder: PATH (resource/Morvane1.dat not found)". A folder with some of the
// files plays, the missing ones counting no records.
std::optional<std::string> CheckGameFolder(const std::filesystem::path& folder);

}  // namespace morvane
