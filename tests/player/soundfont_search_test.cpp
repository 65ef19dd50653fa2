#include "player/soundfont_search.h"

#include <gtest/gtest.h>

#include <set>

namespace morvane {
namespace {

struct Case {
    const char* what;
    std::optional<std::filesystem::path> chosen;
    std::string sdl_soundfonts;
    std::set<std::filesystem::path> present;
    std::optional<std::filesystem::path> found;
    bool warned;
};

TEST(SoundfontSearchTest, TheFirstSoundfontThatExistsInTheOrderWins) {
    const std::filesystem::path own = "/home/ann/gm.sf2";
    const std::filesystem::path listed1 = "/opt/a.sf2";
    const std::filesystem::path listed2 = "/opt/b.sf2";
    const std::filesystem::path default_gm = "/usr/share/sounds/sf2/default-GM.sf2";
    const std::filesystem::path tim = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    const std::filesystem::path fluid = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    const std::set<std::filesystem::path> all = {own, listed1, listed2, default_gm, tim, fluid};
    const std::vector<Case> cases = {
        {"the options first", own, "/opt/a.sf2", all, own, false},
        {"then SDL_SOUNDFONTS", std::nullopt, "/opt/a.sf2;/opt/b.sf2", all, listed1, false},
        {"its later entries", std::nullopt, "/opt/missing.sf2:/opt/b.sf2", all, listed2, false},
        {"then default-GM", std::nullopt, "", all, default_gm, false},
        {"then TimGM6mb", std::nullopt, "", {tim, fluid}, tim, false},
        {"then FluidR3", std::nullopt, "", {fluid}, fluid, false},
        {"a missing chosen one is named, the search goes on", own, "", {fluid}, fluid, true},
        {"none: silent MIDI", std::nullopt, "/opt/a.sf2", {}, std::nullopt, true},
    };
    for (const Case& c : cases) {
        std::vector<std::filesystem::path> asked;
        const SoundfontChoice choice = FindSoundfont(
            c.chosen,
            [&c](const std::string& name) {
                return name == "SDL_SOUNDFONTS" ? c.sdl_soundfonts : std::string();
            },
            [&c, &asked](const std::filesystem::path& file) {
                asked.push_back(file);
                return c.present.count(file) != 0;
            });
        EXPECT_EQ(choice.file, c.found) << c.what;
        EXPECT_EQ(choice.warning.has_value(), c.warned) << c.what;
        if (choice.warning) {
            EXPECT_EQ(choice.warning->find('\n'), std::string::npos);
        }
        if (c.found) {
            EXPECT_EQ(asked.back(), *c.found) << c.what;
        }
    }
}

TEST(SoundfontSearchTest, TheWarningsSayWhatIsMissingAndWhatFollows) {
    const auto nothing = [](const std::filesystem::path&) { return false; };
    const auto empty = [](const std::string&) { return std::string(); };
    const SoundfontChoice none = FindSoundfont(std::nullopt, empty, nothing);
    EXPECT_NE(none.warning->find("MIDI music stays silent"), std::string::npos);
    const SoundfontChoice named = FindSoundfont("/x/mine.sf2", empty, nothing);
    EXPECT_EQ(named.warning->rfind("soundfont not found: /x/mine.sf2", 0), 0U);
    EXPECT_NE(named.warning->find("MIDI music stays silent"), std::string::npos);
}

}  // namespace
}  // namespace morvane
