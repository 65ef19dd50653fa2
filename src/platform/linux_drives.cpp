#include "platform/linux_drives.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/volume_label.h"

namespace morvane {
namespace {

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '3' &&
            text[i + 2] >= '0' && text[i + 2] <= '7' && text[i + 3] >= '0' && text[i + 3] <= '7') {
            out += static_cast<char>((text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 +
                                     (text[i + 3] - '0'));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

// udev writes unsafe characters of a label as "\xNN".
std::string UnescapeUdev(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            const std::string hex(text.substr(i + 2, 2));
            char* end = nullptr;
            const long value = std::strtol(hex.c_str(), &end, 16);
            if (end == hex.c_str() + 2) {
                out += static_cast<char>(value);
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

std::optional<std::string> LabelByUdev(const std::string& source) {
    std::error_code error;
    const auto device = std::filesystem::canonical(source, error);
    if (error) {
        return std::nullopt;
    }
    for (const auto& link : std::filesystem::directory_iterator("/dev/disk/by-label", error)) {
        std::error_code link_error;
        if (std::filesystem::canonical(link.path(), link_error) == device && !link_error) {
            return UnescapeUdev(link.path().filename().string());
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view table) {
    std::vector<MountEntry> mounts;
    std::istringstream in{std::string(table)};
    std::string line;
    while (std::getline(in, line)) {
        // id parent major:minor root mount-point options [optional fields...] - type source ...
        const std::vector<std::string> words = Words(line);
        std::size_t dash = 6;
        while (dash < words.size() && words[dash] != "-") {
            ++dash;
        }
        if (words.size() < 7 || dash + 2 >= words.size()) {
            continue;
        }
        mounts.push_back(
            MountEntry{Unescape(words[4]), Unescape(words[dash + 1]), Unescape(words[dash + 2])});
    }
    return mounts;
}

std::vector<MountEntry> LinuxDrives::Mounts() const {
    std::ifstream in("/proc/self/mountinfo");
    std::ostringstream table;
    table << in.rdbuf();
    return ParseMountInfo(table.str());
}

std::optional<std::string> LinuxDrives::VolumeLabel(const MountEntry& mount) const {
    if (!mount.source.starts_with("/dev/")) {
        return std::nullopt;
    }
    if (DriveTypeOf(mount) == drive_type::kCdRom) {
        if (auto label = ReadVolumeLabel(std::filesystem::path(mount.source))) {
            return label;
        }
    }
    return LabelByUdev(mount.source);
}

}  // namespace morvane
