#include "media/riff_reader.h"

#include <algorithm>
#include <system_error>

#include "base/runtime_error.h"
#include "media/media_errors.h"

namespace morvane {

uint32_t ReadU32(std::string_view bytes, std::size_t offset) {
    if (offset + 4 > bytes.size()) {
        return 0;
    }
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return value;
}

uint16_t ReadU16(std::string_view bytes, std::size_t offset) {
    if (offset + 2 > bytes.size()) {
        return 0;
    }
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                 (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

RiffReader::RiffReader(const std::filesystem::path& file, std::string_view form) {
    RequireMediaFile(file);
    std::error_code error;
    file_size_ = std::filesystem::file_size(file, error);
    in_.open(file, std::ios::binary);
    if (error || !in_) {
        Raise(ErrorNumber::kPathFileAccessError);
    }
    const auto header = ReadAt(0, 12);
    if (!header || header->substr(0, 4) != "RIFF" || header->substr(8, 4) != form) {
        RaiseInvalidFileFormat();
    }
    const uint64_t stated = std::min<uint64_t>(ReadU32(*header, 4), file_size_ - 8);
    if (stated < 4) {
        RaiseInvalidFileFormat();
    }
    form_ = {"RIFF", 12, stated - 4, std::string(form)};
}

std::optional<RiffReader::Chunk> RiffReader::Find(const Chunk& parent, std::string_view id,
                                                  std::string_view list_type) {
    const uint64_t end = parent.begin + parent.size;
    uint64_t at = parent.begin;
    while (at + 8 <= end) {
        const auto header = ReadAt(at, 8);
        if (!header) {
            return std::nullopt;
        }
        const uint64_t stated = ReadU32(*header, 4);
        Chunk chunk{header->substr(0, 4), at + 8, std::min(stated, end - (at + 8)), {}};
        const bool is_list = chunk.id == "LIST" || chunk.id == "RIFF";
        if (is_list) {
            if (chunk.size < 4) {
                return std::nullopt;
            }
            chunk.list_type = ReadAt(chunk.begin, 4).value_or("");
            chunk.begin += 4;
            chunk.size -= 4;
        }
        if (chunk.id == id && (list_type.empty() || chunk.list_type == list_type)) {
            return chunk;
        }
        // Chunks start on even offsets; a pad byte follows an odd-sized one.
        at += 8 + stated + (stated & 1);
    }
    return std::nullopt;
}

std::string RiffReader::Read(const Chunk& chunk, std::size_t count) {
    const auto wanted = static_cast<std::size_t>(std::min<uint64_t>(count, chunk.size));
    return ReadAt(chunk.begin, wanted).value_or("");
}

std::optional<std::string> RiffReader::ReadAt(uint64_t offset, std::size_t count) {
    if (offset > file_size_ || count > file_size_ - offset) {
        return std::nullopt;
    }
    std::string bytes(count, '\0');
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(bytes.data(), static_cast<std::streamsize>(count));
    if (!in_) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace morvane
