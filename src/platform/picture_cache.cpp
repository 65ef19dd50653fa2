#include "platform/picture_cache.h"

#include <system_error>

#include "platform/picture_loader.h"

namespace morvane {

PictureCache::PictureCache(std::size_t max_bytes, const StillPictureDecoder* stills)
    : max_bytes_(max_bytes), stills_(stills) {}

PictureResult PictureCache::Get(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    if (error) {
        resolved = path;
    }
    const std::string key = resolved.string();
    Stamp stamp;
    const bool is_file = std::filesystem::is_regular_file(resolved, error);
    if (is_file) {
        stamp.time = std::filesystem::last_write_time(resolved, error);
    }
    if (is_file && !error) {
        stamp.size = std::filesystem::file_size(resolved, error);
    }
    if (!is_file || error) {
        if (auto found = index_.find(key); found != index_.end()) {
            Remove(found->second);
        }
        dropped_.erase(key);
        return PictureResult::Failure(ErrorNumber::kFileNotFound,
                                      "no such picture file: " + path.string());
    }

    if (auto found = index_.find(key); found != index_.end()) {
        if (found->second->stamp == stamp) {
            recent_.splice(recent_.begin(), recent_, found->second);
            return PictureResult::Success(found->second->picture);
        }
        Remove(found->second);
    }
    if (auto found = dropped_.find(key); found != dropped_.end()) {
        PicturePtr alive = found->second.picture.lock();
        const bool current = found->second.stamp == stamp;
        dropped_.erase(found);
        if (alive && current) {
            Insert(key, stamp, alive);
            return PictureResult::Success(std::move(alive));
        }
    }

    ++decodes_;
    PictureResult result = LoadPicture(resolved, stills_);
    if (result) {
        Insert(key, stamp, result.picture);
    }
    return result;
}

void PictureCache::Clear() {
    recent_.clear();
    index_.clear();
    dropped_.clear();
    bytes_ = 0;
}

void PictureCache::Insert(const std::string& key, const Stamp& stamp, PicturePtr picture) {
    bytes_ += picture->MemoryBytes();
    recent_.push_front(Entry{key, stamp, std::move(picture)});
    index_[key] = recent_.begin();
    Evict();
}

void PictureCache::Remove(std::list<Entry>::iterator entry) {
    bytes_ -= entry->picture->MemoryBytes();
    index_.erase(entry->key);
    recent_.erase(entry);
}

void PictureCache::Evict() {
    // The picture just asked for always stays, even when it alone is over the bound.
    while (bytes_ > max_bytes_ && recent_.size() > 1) {
        auto last = std::prev(recent_.end());
        dropped_[last->key] = Remembered{last->stamp, last->picture};
        Remove(last);
    }
    if (dropped_.size() > 2 * (recent_.size() + 16)) {
        std::erase_if(dropped_, [](const auto& item) { return item.second.picture.expired(); });
    }
}

}  // namespace morvane
