#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/drives.h"

namespace morvane {

// The machine's drives on Linux: the mounts of this process (/proc/self/mountinfo) and the
// labels read from their devices, or from udev's /dev/disk/by-label where the device may not be
// read.
class LinuxDrives final : public Drives {
  public:
    std::vector<MountEntry> Mounts() const override;
    std::optional<std::string> VolumeLabel(const MountEntry& mount) const override;
};

// The entries of a mountinfo table, with its octal escapes ("\040" for a space) undone; lines
// that do not have the table's shape are skipped.
std::vector<MountEntry> ParseMountInfo(std::string_view table);

}  // namespace morvane
