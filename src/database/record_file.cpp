#include "database/record_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/runtime_error.h"

namespace morvane {

RecordFile RecordFile::Open(const GamePaths& paths, std::string_view relative_path,
                            std::size_t record_length) {
    RecordFile file;
    file.record_length_ = record_length;
    const auto resolved = paths.Resolve(paths.GameFolder() + std::string(relative_path));
    if (!resolved) {
        return file;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*resolved, ec)) {
        Raise(ErrorNumber::kPathFileAccessError);
    }
    auto stream = std::make_unique<std::ifstream>(*resolved, std::ios::binary);
    const auto length = std::filesystem::file_size(*resolved, ec);
    if (!*stream || ec) {
        Raise(ErrorNumber::kPathFileAccessError);
    }
    file.stream_ = std::move(stream);
    file.length_ = length;
    return file;
}

Integer RecordFile::Count() const {
    return RoundToInteger(static_cast<double>(length_) / static_cast<double>(record_length_));
}

std::string RecordFile::ReadBytes(long long record) {
    if (record < 1) {
        Raise(ErrorNumber::kBadRecordNumber);
    }
    const auto index = static_cast<std::uintmax_t>(record - 1);
    if (!stream_ || index >= length_ / record_length_ + 1) {
        return {};
    }
    const auto start = index * record_length_;
    if (start >= length_) {
        return {};
    }
    const auto available =
        static_cast<std::size_t>(std::min<std::uintmax_t>(record_length_, length_ - start));
    std::string bytes(available, '\0');
    stream_->clear();
    stream_->seekg(static_cast<std::streamoff>(start));
    stream_->read(bytes.data(), static_cast<std::streamsize>(available));
    if (!*stream_) {
        Raise(ErrorNumber::kDeviceIOError);
    }
    return bytes;
}

}  // namespace morvane
