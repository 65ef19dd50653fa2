#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/integer.h"
#include "media/media_trace.h"
#include "media/sound_device.h"

namespace morvane {

class GamePaths;

// The file a bare media name stands for: GameFolder() + "resource\mmedia\" + name. Raises 53
// when there is no such file (or the name would lead outside the game folder).
std::filesystem::path MediaFile(const GamePaths& paths, std::string_view name);

// The device steps of the game's play operations, in their order: the trace line, then play
// on the channel, then its pan, then its volume. Errors (53 for a missing file, 321 for one
// that cannot be played, 5 for a channel outside 1 to 20) reach the caller's trap; the
// channel then keeps what it played before.
void StartSound(SoundDevice& device, const MediaTrace& trace, const GamePaths& paths, int channel,
                const std::string& name, bool looping, Long pan, Long volume);

// `PlayMIDI` and `PlayMP3`: the trace line, then the music device.
void StartMidi(MusicDevice& device, const MediaTrace& trace, const GamePaths& paths,
               const std::string& name, Long volume);
void StartMp3(MusicDevice& device, const MediaTrace& trace, const GamePaths& paths,
              const std::string& name, Long volume, Long balance);

}  // namespace morvane
