// Any bytes as a WAV file and as an AVI file: the RIFF walk and the two header readers, which
// raise the classic file errors for what they cannot read.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/runtime_error.h"
#include "media/avi_info.h"
#include "media/wav_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("morvane-fuzz-" + std::to_string(getpid()));
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        (void)morvane::MORVANE_FUZZ_RIFF(file);
    } catch (const morvane::RuntimeError&) {
    }
    return 0;
}
