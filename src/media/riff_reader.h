#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Walks the chunks of a RIFF file (WAV, AVI) without trusting any size it reads: every chunk
// is clipped to its container and to the bytes the file really holds, so a truncated or
// damaged file ends the walk instead of sending it past the end.
class RiffReader {
  public:
    struct Chunk {
        std::string id;         // four characters
        uint64_t begin = 0;     // first byte of the chunk's data
        uint64_t size = 0;      // bytes of data the file really holds, at most the stated size
        std::string list_type;  // for "RIFF" and "LIST" chunks: their four-character type
    };

    // Opens the file; raises 53 when it is missing and 321 when it is not a RIFF file of the
    // given form ("WAVE", "AVI ").
    RiffReader(const std::filesystem::path& file, std::string_view form);

    // The top-level chunk whose data holds everything inside the form.
    const Chunk& Form() const { return form_; }

    // The first chunk with this id (and list type, for lists) directly inside `parent`.
    std::optional<Chunk> Find(const Chunk& parent, std::string_view id,
                              std::string_view list_type = {});

    // Up to `count` bytes from the start of the chunk's data; fewer when the chunk is shorter.
    std::string Read(const Chunk& chunk, std::size_t count);

  private:
    std::optional<std::string> ReadAt(uint64_t offset, std::size_t count);

    std::ifstream in_;
    uint64_t file_size_ = 0;
    Chunk form_;
};

// Little-endian fields of a chunk's data; 0 past the end of `bytes`.
uint32_t ReadU32(std::string_view bytes, std::size_t offset);
uint16_t ReadU16(std::string_view bytes, std::size_t offset);

}  // namespace morvane
