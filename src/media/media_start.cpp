#include "media/media_start.h"

#include "base/runtime_error.h"
#include "media/media_errors.h"
#include "platform/game_paths.h"

namespace morvane {

std::filesystem::path MediaFile(const GamePaths& paths, std::string_view name) {
    const auto file = paths.Resolve(paths.MediaPath(name));
    if (name.empty() || !file) {
        Raise(ErrorNumber::kFileNotFound);
    }
    RequireMediaFile(*file);
    return *file;
}

void StartSound(SoundDevice& device, const MediaTrace& trace, const GamePaths& paths, int channel,
                const std::string& name, bool looping, Long pan, Long volume) {
    trace.Sound(channel, name, looping, pan, volume);
    device.Play(channel, name, MediaFile(paths, name), looping);
    device.SetPan(channel, pan);
    device.SetVolume(channel, volume);
}

void StartMidi(MusicDevice& device, const MediaTrace& trace, const GamePaths& paths,
               const std::string& name, Long volume) {
    trace.Midi(name, volume);
    device.PlayMidi(name, MediaFile(paths, name), volume);
}

void StartMp3(MusicDevice& device, const MediaTrace& trace, const GamePaths& paths,
              const std::string& name, Long volume, Long balance) {
    trace.Mp3(name, volume, balance);
    device.PlayMp3(name, MediaFile(paths, name), volume, balance);
}

}  // namespace morvane
