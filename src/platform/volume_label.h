#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

namespace morvane {

// The volume label of a CD image or device, as the desktop shows it: UDF's logical volume
// identifier when the disc carries UDF, else the Joliet label when there is one, else the
// volume identifier of the ISO 9660 primary volume descriptor. Trailing spaces are dropped;
// the text is in Windows-1252 bytes like the game's data. Nothing when the data holds none of
// these or cannot be read.
std::optional<std::string> ReadVolumeLabel(std::istream& image);
std::optional<std::string> ReadVolumeLabel(const std::filesystem::path& device);

}  // namespace morvane
