// A whole game folder whose five database files are cut from the input: the reader the player
// and morvane-tool share opens and counts them with the player's rules (partial records,
// too many records, a general file of the wrong length).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/runtime_error.h"
#include "database/game_files.h"
#include "platform/game_paths.h"

namespace {

std::filesystem::path Folder() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("morvane-fuzz-game-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "resource");
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto folder = Folder();
    // Five parts, split where the input says: the first five bytes give the shares.
    const std::string_view shares = bytes.substr(0, 5);
    std::string_view rest = bytes.substr(shares.size());
    for (std::size_t n = 0; n < 5; ++n) {
        const std::size_t share =
            n < shares.size() ? rest.size() * static_cast<uint8_t>(shares[n]) / 255 : rest.size();
        std::ofstream(folder / "resource" / ("Morvane" + std::to_string(n + 1) + ".dat"),
                      std::ios::binary | std::ios::trunc)
            .write(rest.data(), static_cast<std::streamsize>(share));
        rest.remove_prefix(share);
    }
    try {
        (void)morvane::ReadGameFiles(morvane::GamePaths(folder));
    } catch (const morvane::RuntimeError&) {
        // Too many records to count is the classic overflow, reported by the caller.
    }
    return 0;
}
