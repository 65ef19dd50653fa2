#include "platform/drives.h"

#include <system_error>

#include "base/text.h"

namespace morvane {
namespace {

// Whether `mount_point` is `path` or one of its parent folders, component by component (so
// "/media/cd" does not hold "/media/cdrom/x").
bool Holds(const std::filesystem::path& mount_point, const std::filesystem::path& path) {
    auto m = mount_point.begin();
    auto p = path.begin();
    for (; m != mount_point.end(); ++m) {
        if (m->empty()) {
            continue;  // the empty last component of a trailing separator
        }
        if (p == path.end() || *m != *p) {
            return false;
        }
        ++p;
    }
    return true;
}

}  // namespace

std::optional<MountEntry> MountHolding(const Drives& drives, const std::filesystem::path& path) {
    if (path.empty() || !path.is_absolute()) {
        return std::nullopt;
    }
    const std::filesystem::path normal = path.lexically_normal();
    std::optional<MountEntry> best;
    std::size_t best_depth = 0;
    for (const MountEntry& mount : drives.Mounts()) {
        const std::filesystem::path point =
            std::filesystem::path(mount.mount_point).lexically_normal();
        if (!Holds(point, normal)) {
            continue;
        }
        const auto depth = static_cast<std::size_t>(std::distance(point.begin(), point.end()));
        if (!best || depth >= best_depth) {
            best = mount;
            best_depth = depth;
        }
    }
    return best;
}

Integer DriveTypeOf(const MountEntry& mount) {
    const std::string type = ToLowerAscii(mount.fs_type);
    if (type == "iso9660" || type == "udf") {
        return drive_type::kCdRom;
    }
    if (type == "tmpfs" || type == "ramfs") {
        return drive_type::kRamDisk;
    }
    if (type.starts_with("nfs") || type == "cifs" || type == "smb3" || type == "smbfs" ||
        type == "9p" || type == "fuse.sshfs" || type == "afs" || type == "ceph") {
        return drive_type::kRemote;
    }
    return drive_type::kFixed;
}

Integer TypeOfDrive(const Drives& drives, std::string_view path) {
    const std::string trimmed = Trim(path);
    if (trimmed.empty()) {
        return drive_type::kUnknown;
    }
    const auto mount = MountHolding(drives, trimmed);
    if (!mount) {
        return drive_type::kNoRootFolder;
    }
    return DriveTypeOf(*mount);
}

std::string VolumeLabelOf(const Drives& drives, const std::filesystem::path& path) {
    const auto mount = MountHolding(drives, path);
    if (!mount) {
        return {};
    }
    return drives.VolumeLabel(*mount).value_or("");
}

bool ItemExist(std::string_view path) {
    std::string trimmed = Trim(path);
    if (trimmed.size() > 1 && (trimmed.back() == '/' || trimmed.back() == '\\')) {
        trimmed.pop_back();
    }
    // A NUL byte would cut the path short for the system, which would then answer for
    // another path.
    if (trimmed.empty() || trimmed.find('\0') != std::string::npos) {
        return false;
    }
    std::error_code error;
    return std::filesystem::exists(trimmed, error);
}

std::vector<MountEntry> FixedDrives::Mounts() const {
    std::vector<MountEntry> mounts;
    mounts.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        mounts.push_back(entry.mount);
    }
    return mounts;
}

std::optional<std::string> FixedDrives::VolumeLabel(const MountEntry& mount) const {
    ++label_reads_;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (it->mount.mount_point == mount.mount_point && it->mount.source == mount.source) {
            return it->label;
        }
    }
    return std::nullopt;
}

void FixedDrives::SetLabel(std::string_view mount_point, std::optional<std::string> label) {
    for (Entry& entry : entries_) {
        if (entry.mount.mount_point == mount_point) {
            entry.label = label;
        }
    }
}

}  // namespace morvane
