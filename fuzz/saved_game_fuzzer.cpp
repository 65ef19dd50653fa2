// Any bytes as a saved game file, read and checked against a running game whose record counts
// come from the first bytes: a file that does not fit is refused with a reason, one that fits
// is a record that encodes back to the same 1113 bytes. Never a crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "database/record_codec.h"
#include "engine/game_state.h"
#include "flow/saved_game_file.h"
#include "platform/game_paths.h"

namespace {

const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("morvane-fuzz-save-" + std::to_string(getpid()) + ".sav");
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::filesystem::path& file = ScratchFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const morvane::GamePaths paths(file.parent_path());
    morvane::GameState state(paths);
    // Small games and the largest the format allows, chosen by the data itself.
    const auto count = [&](std::size_t at) {
        return static_cast<morvane::Integer>(size > at ? data[at] % 3 == 0 ? 32767 : data[at] : 5);
    };
    state.SceneCount = count(100);
    state.ItemCount = count(101);
    state.LocationCount = count(102);
    const morvane::SavedGameRead read = morvane::ReadSavedGame(file, state);
    if (read.record) {
        if (morvane::EncodeRecord(*read.record).size() != morvane::SavedGameRecord::kLength ||
            !read.problem.empty()) {
            std::abort();
        }
    } else if (read.problem.empty()) {
        std::abort();
    }
    return 0;
}
