#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/integer.h"

namespace morvane {

// One mounted file system, as the mount table lists it.
struct MountEntry {
    std::string mount_point;  // where it is mounted, an absolute path
    std::string fs_type;      // "iso9660", "udf", "ext4", "nfs4", ...
    std::string source;       // the device or remote it comes from ("/dev/sr0")
};

// The classic drive-type codes.
namespace drive_type {
inline constexpr Integer kUnknown = 0;
inline constexpr Integer kNoRootFolder = 1;
inline constexpr Integer kRemovable = 2;
inline constexpr Integer kFixed = 3;
inline constexpr Integer kRemote = 4;
inline constexpr Integer kCdRom = 5;
inline constexpr Integer kRamDisk = 6;
}  // namespace drive_type

// The drives of the machine: here a drive is a mounted file system, and the drive of a path is
// the mount that holds it. The player reads the system's mount table and the volume labels of
// the devices; tests give a table and labels of their own and never mount anything.
class Drives {
  public:
    virtual ~Drives() = default;
    // Every mounted file system, in mount order (a later mount on the same point hides an
    // earlier one).
    virtual std::vector<MountEntry> Mounts() const = 0;
    // The volume label of the mounted file system, nothing when it has none or cannot be read.
    virtual std::optional<std::string> VolumeLabel(const MountEntry& mount) const = 0;
};

// The mount that holds `path` (the longest mount point that is a prefix of it, the last such
// mount when several share the point); nothing for an empty or relative path.
std::optional<MountEntry> MountHolding(const Drives& drives, const std::filesystem::path& path);

// The drive-type code of a mount by its file-system type: ISO 9660 and UDF are CD-ROMs.
Integer DriveTypeOf(const MountEntry& mount);

// `TypeOfDrive`: the type of the drive holding `path`; 0 for an empty path, 1 when no mount
// holds it.
Integer TypeOfDrive(const Drives& drives, std::string_view path);

// The volume label of the drive holding `path`, "" when it has none.
std::string VolumeLabelOf(const Drives& drives, const std::filesystem::path& path);

// `ItemExist`: whether the file or folder exists; a trailing separator is ignored. Never
// raises.
bool ItemExist(std::string_view path);

// A fixed mount table with labels: for tests, and for a player that must not look at the
// machine's drives.
class FixedDrives final : public Drives {
  public:
    struct Entry {
        MountEntry mount;
        std::optional<std::string> label;
    };

    FixedDrives() = default;
    explicit FixedDrives(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    std::vector<MountEntry> Mounts() const override;
    std::optional<std::string> VolumeLabel(const MountEntry& mount) const override;

    // Changes the label of the mount at `mount_point`, as swapping the disc in a drive does.
    void SetLabel(std::string_view mount_point, std::optional<std::string> label);
    // How often a label was read.
    int LabelReads() const { return label_reads_; }

  private:
    std::vector<Entry> entries_;
    mutable int label_reads_ = 0;
};

}  // namespace morvane
