// Any bytes as a MIDI file and as an MP3: the checks that keep broken music from the mixer.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "media/music_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)morvane::CheckMidi(bytes);
    (void)morvane::CheckMp3(bytes);
    return 0;
}
