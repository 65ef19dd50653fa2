#include "platform/picture_service.h"

#include <string>

#include "platform/game_paths.h"
#include "platform/picture_loader.h"

namespace morvane {

PictureService::PictureService(const GamePaths& paths, const StillPictureDecoder* stills,
                               std::size_t cache_bytes)
    : paths_(paths), stills_(stills), cache_(cache_bytes, stills) {}

const BuiltInPictures& PictureService::BuiltIns() const {
    if (!built_ins_) {
        built_ins_ = std::make_unique<const BuiltInPictures>();
    }
    return *built_ins_;
}

PictureResult PictureService::Load(std::string_view path) {
    const auto resolved = paths_.Resolve(path);
    if (!resolved) {
        return PictureResult::Failure(ErrorNumber::kFileNotFound,
                                      "no such picture file: " + std::string(path));
    }
    return cache_.Get(*resolved);
}

PictureResult PictureService::LoadFile(const std::filesystem::path& file) const {
    return LoadPicture(file, stills_);
}

}  // namespace morvane
