#include "platform/picture_loader.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

#include "platform/gif_decoder.h"
#include "platform/picture_dimensions.h"
#include "platform/picture_icon.h"
#include "platform/picture_store.h"

namespace morvane {
namespace {

// Larger files are not pictures a game shows; refusing them keeps a stray file from taking
// the player's memory.
constexpr std::uintmax_t kMaxFileBytes = 128u * 1024 * 1024;
constexpr long long kMaxStillPixels = 16LL * 1024 * 1024;

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

PictureResult Invalid(const std::string& why, const std::string& source_name) {
    return PictureResult::Failure(ErrorNumber::kInvalidPictureFormat,
                                  why + (source_name.empty() ? "" : ": " + source_name));
}

PictureResult StillFromPixels(StillPixels still, const std::string& source_name,
                              std::optional<HotSpot> hot_spot) {
    if (!still.error.empty()) {
        return Invalid(still.error, source_name);
    }
    if (static_cast<long long>(still.width) * still.height > kMaxStillPixels) {
        return Invalid("picture too large", source_name);
    }
    if (hot_spot) {
        // A hot spot outside the picture could not be pointed with; keep it on the picture.
        hot_spot->x = std::clamp(hot_spot->x, 0, still.width - 1);
        hot_spot->y = std::clamp(hot_spot->y, 0, still.height - 1);
    }
    return PictureResult::Success(
        MakeStillPicture(still.width, still.height, still.pixels, source_name, hot_spot));
}

PictureResult DecodeWith(const StillPictureDecoder* stills, std::span<const uint8_t> bytes,
                         PictureFormat format, const std::string& source_name,
                         std::optional<HotSpot> hot_spot) {
    if (stills == nullptr) {
        return Invalid("no decoder for still pictures", source_name);
    }
    return StillFromPixels(stills->Decode(bytes, format), source_name, hot_spot);
}

// Refuses a picture whose header is unreadable or claims a size no game picture has, before a
// decoder allocates memory for it.
std::optional<PictureResult> RefuseBadSize(std::span<const uint8_t> bytes, PictureFormat format,
                                           const std::string& source_name) {
    const std::optional<PictureSize> size = PeekPictureSize(bytes, format);
    if (!size) {
        return Invalid("damaged picture header", source_name);
    }
    // Each side first: two sides of four thousand million pixels would overflow the product.
    if (size->width <= 0 || size->height <= 0 || size->width > kMaxStillPixels ||
        size->height > kMaxStillPixels || size->width * size->height > kMaxStillPixels) {
        return Invalid("picture size out of range", source_name);
    }
    return std::nullopt;
}

PictureResult DecodeStill(std::span<const uint8_t> bytes, PictureFormat format,
                          const std::string& source_name, std::optional<HotSpot> hot_spot,
                          const StillPictureDecoder* stills) {
    if (auto refused = RefuseBadSize(bytes, format, source_name)) {
        return *refused;
    }
    return DecodeWith(stills, bytes, format, source_name, hot_spot);
}

PictureResult DecodeIcon(std::span<const uint8_t> bytes, const std::string& source_name,
                         const StillPictureDecoder* stills) {
    const std::optional<IconImage> chosen = ChooseIconImage(bytes);
    if (!chosen) {
        return Invalid("damaged icon or cursor directory", source_name);
    }
    const std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(chosen->data.data()),
                                        chosen->data.size());
    if (chosen->is_png) {
        return DecodeStill(data, PictureFormat::kPng, source_name, chosen->hot_spot, stills);
    }
    // The single-image file's bitmap follows its directory and one entry.
    if (auto refused = RefuseBadSize(data.subspan(std::min<std::size_t>(22, data.size())),
                                     PictureFormat::kIcon, source_name)) {
        return *refused;
    }
    return DecodeWith(stills, data,
                      chosen->is_cursor ? PictureFormat::kCursor : PictureFormat::kIcon,
                      source_name, chosen->hot_spot);
}

}  // namespace

PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes) {
    if (StartsWith(bytes, {'G', 'I', 'F', '8'})) {
        return PictureFormat::kGif;
    }
    if (StartsWith(bytes, {'B', 'M'})) {
        return PictureFormat::kBmp;
    }
    if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) {
        return PictureFormat::kJpeg;
    }
    if (StartsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) {
        return PictureFormat::kPng;
    }
    if (StartsWith(bytes, {0, 0, 1, 0})) {
        return PictureFormat::kIcon;
    }
    if (StartsWith(bytes, {0, 0, 2, 0})) {
        return PictureFormat::kCursor;
    }
    return PictureFormat::kUnknown;
}

PictureResult DecodePicture(std::span<const uint8_t> bytes, std::string source_name,
                            const StillPictureDecoder* stills) {
    switch (DetectPictureFormat(bytes)) {
        case PictureFormat::kGif:
            return DecodeGif(bytes, std::move(source_name));
        case PictureFormat::kBmp:
            return DecodeStill(bytes, PictureFormat::kBmp, source_name, {}, stills);
        case PictureFormat::kJpeg:
            return DecodeStill(bytes, PictureFormat::kJpeg, source_name, {}, stills);
        case PictureFormat::kPng:
            return DecodeStill(bytes, PictureFormat::kPng, source_name, {}, stills);
        case PictureFormat::kIcon:
        case PictureFormat::kCursor:
            return DecodeIcon(bytes, source_name, stills);
        case PictureFormat::kUnknown:
            break;
    }
    return Invalid("not a picture format the player reads", source_name);
}

PictureResult LoadPicture(const std::filesystem::path& path, const StillPictureDecoder* stills) {
    const std::string name = path.string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return PictureResult::Failure(ErrorNumber::kFileNotFound, "no such picture file: " + name);
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return PictureResult::Failure(ErrorNumber::kFileNotFound, "cannot read " + name);
    }
    if (size > kMaxFileBytes) {
        return Invalid("file too large for a picture", name);
    }
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return PictureResult::Failure(ErrorNumber::kFileNotFound, "cannot read " + name);
    }
    return DecodePicture(bytes, name, stills);
}

}  // namespace morvane
