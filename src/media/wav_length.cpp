#include "media/wav_length.h"

#include "media/media_errors.h"
#include "media/riff_reader.h"

namespace morvane {

TimeMs WavLength(const std::filesystem::path& file) {
    RiffReader riff(file, "WAVE");
    const auto format = riff.Find(riff.Form(), "fmt ");
    const auto data = riff.Find(riff.Form(), "data");
    if (!format || !data || format->size < 14) {
        RaiseInvalidFileFormat();
    }
    const uint64_t bytes_per_second = ReadU32(riff.Read(*format, 16), 8);
    if (bytes_per_second == 0) {
        RaiseInvalidFileFormat();
    }
    return static_cast<TimeMs>((data->size * 1000 + bytes_per_second - 1) / bytes_per_second);
}

}  // namespace morvane
