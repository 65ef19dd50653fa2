#pragma once

#include <cstddef>
#include <filesystem>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/picture_result.h"
#include "platform/still_picture_decoder.h"

namespace morvane {

// Decoded pictures by file, so twenty objects showing one GIF decode it once and share one
// Picture (the same pointer, which is also what the pointer model compares). An entry is keyed
// by the resolved path and stays valid while the file's modification time and size are
// unchanged. The cache holds at most `max_bytes` of decoded frames; past that the least
// recently used pictures are dropped. Dropping only releases the cache's reference: a picture a
// control still shows stays alive, and asking for its file again while it is shown returns it
// without decoding. Failures are not kept, so a file that appears later is found.
class PictureCache {
  public:
    static constexpr std::size_t kDefaultMaxBytes = 96u * 1024 * 1024;

    // `stills` decodes the formats other than GIF; without one only GIFs are read.
    explicit PictureCache(std::size_t max_bytes = kDefaultMaxBytes,
                          const StillPictureDecoder* stills = nullptr);

    PictureResult Get(const std::filesystem::path& path);

    std::size_t MemoryBytes() const { return bytes_; }
    std::size_t MaxBytes() const { return max_bytes_; }
    // How many files were decoded so far (not found in the cache).
    int DecodeCount() const { return decodes_; }
    void Clear();

  private:
    struct Stamp {
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        std::string key;
        Stamp stamp;
        PicturePtr picture;
    };
    struct Remembered {
        Stamp stamp;
        std::weak_ptr<const Picture> picture;
    };

    void Insert(const std::string& key, const Stamp& stamp, PicturePtr picture);
    void Remove(std::list<Entry>::iterator entry);
    void Evict();

    std::size_t max_bytes_;
    const StillPictureDecoder* stills_;
    std::size_t bytes_ = 0;
    int decodes_ = 0;
    std::list<Entry> recent_;  // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
    // Pictures dropped from the cache that controls may still hold.
    std::unordered_map<std::string, Remembered> dropped_;
};

}  // namespace morvane
