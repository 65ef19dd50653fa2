#include "player/soundfont_search.h"

namespace morvane {

SoundfontChoice FindSoundfont(const std::optional<std::filesystem::path>& chosen,
                              const EnvironmentLookup& environment,
                              const std::function<bool(const std::filesystem::path&)>& exists) {
    SoundfontChoice choice;
    if (chosen) {
        if (exists(*chosen)) {
            choice.file = *chosen;
            return choice;
        }
        choice.warning = "soundfont not found: " + chosen->string();
    }
    std::vector<std::filesystem::path> candidates;
    const std::string listed = environment("SDL_SOUNDFONTS");
    std::size_t start = 0;
    while (start <= listed.size()) {
        const std::size_t end = listed.find_first_of(";:", start);
        const std::string item =
            listed.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!item.empty()) {
            candidates.emplace_back(item);
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    for (const char* system : kSystemSoundfonts) {
        candidates.emplace_back(system);
    }
    for (const auto& candidate : candidates) {
        if (exists(candidate)) {
            choice.file = candidate;
            return choice;
        }
    }
    choice.warning = (choice.warning ? *choice.warning + "; no" : std::string("no")) +
                     " General MIDI soundfont found (install fluid-soundfont-gm or pass "
                     "--soundfont FILE): MIDI music stays silent";
    return choice;
}

}  // namespace morvane
