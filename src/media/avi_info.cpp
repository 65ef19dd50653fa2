#include "media/avi_info.h"

#include "media/media_errors.h"
#include "media/riff_reader.h"

namespace morvane {
namespace {

// Larger than any screen the player could show a movie on; anything above is damage.
constexpr uint32_t kLargestSide = 16384;

}  // namespace

AviInfo ReadAviInfo(const std::filesystem::path& file) {
    RiffReader riff(file, "AVI ");
    const auto header_list = riff.Find(riff.Form(), "LIST", "hdrl");
    const auto main_header =
        header_list ? riff.Find(*header_list, "avih") : std::optional<RiffReader::Chunk>();
    if (!main_header || main_header->size < 40) {
        RaiseInvalidFileFormat();
    }
    const std::string bytes = riff.Read(*main_header, 40);
    const uint64_t micro_seconds_per_frame = ReadU32(bytes, 0);
    const uint64_t total_frames = ReadU32(bytes, 16);
    const uint32_t width = ReadU32(bytes, 32);
    const uint32_t height = ReadU32(bytes, 36);
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) {
        RaiseInvalidFileFormat();
    }
    AviInfo info;
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);
    info.duration = static_cast<TimeMs>((micro_seconds_per_frame * total_frames + 999) / 1000);
    return info;
}

}  // namespace morvane
