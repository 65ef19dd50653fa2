#include "player/option_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace morvane {
namespace {

using Kind = OptionEntry::Kind;

std::optional<std::string> SetFlag(bool& target, std::string_view value) {
    target = value == "true";
    return std::nullopt;
}

std::optional<std::string> SetPath(std::optional<std::filesystem::path>& target,
                                   std::string_view value, std::string_view what) {
    if (value.empty()) {
        return std::string(what) + " must not be empty";
    }
    target = std::filesystem::path(value);
    return std::nullopt;
}

std::optional<std::string> SetScale(PlayerOptions& options, std::string_view value) {
    const auto scaling = ScalingFromName(value);
    if (!scaling) {
        return "scale must be fit, integer or smooth, not '" + std::string(value) + "'";
    }
    options.scaling = *scaling;
    return std::nullopt;
}

std::optional<std::string> SetVolume(PlayerOptions& options, std::string_view value) {
    int volume = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), volume);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() || volume < 0 ||
        volume > 100) {
        return "volume must be a whole number from 0 to 100, not '" + std::string(value) + "'";
    }
    options.volume = volume;
    return std::nullopt;
}

constexpr std::array kOptions = {
    OptionEntry{"fullscreen", 'f', Kind::kSwitch, true, "",
                "start in full screen (F11 or Alt+Enter toggles)",
                [](PlayerOptions& o, std::string_view v) { return SetFlag(o.full_screen, v); }},
    OptionEntry{"windowed", 'w', Kind::kSwitch, true, "", "start in a window (the default)",
                [](PlayerOptions& o, std::string_view v) {
                    o.full_screen = v != "true";
                    return std::optional<std::string>();
                }},
    OptionEntry{"scale", 0, Kind::kValue, true, "fit|integer|smooth",
                "how the 800x600 picture fills the window: as large as fits, kept sharp "
                "(fit, the default); whole multiples only (integer); filtered (smooth)",
                SetScale},
    OptionEntry{"volume", 0, Kind::kValue, true, "0..100",
                "master volume in percent over the game's own volumes (default 100)", SetVolume},
    OptionEntry{"mute", 'm', Kind::kSwitch, true, "", "start silent (Ctrl+M toggles)",
                [](PlayerOptions& o, std::string_view v) { return SetFlag(o.mute, v); }},
    OptionEntry{
        "soundfont", 0, Kind::kValue, true, "FILE", "General MIDI soundfont (.sf2) for MIDI music",
        [](PlayerOptions& o, std::string_view v) { return SetPath(o.soundfont, v, "soundfont"); }},
    OptionEntry{"saves", 0, Kind::kValue, true, "DIR",
                "folder for saved games instead of the game's Saved folder",
                [](PlayerOptions& o, std::string_view v) { return SetPath(o.saves, v, "saves"); }},
    OptionEntry{
        "log-file", 0, Kind::kValue, true, "FILE", "also write the log lines to FILE",
        [](PlayerOptions& o, std::string_view v) { return SetPath(o.log_file, v, "log-file"); }},
    OptionEntry{"log", 0, Kind::kSwitch, true, "", "turn the game's log on from the start",
                [](PlayerOptions& o, std::string_view v) { return SetFlag(o.log, v); }},
    OptionEntry{"headless", 0, Kind::kSwitch, false, "",
                "no window and no sound, on a virtual clock (for walkthrough scripts)",
                [](PlayerOptions& o, std::string_view v) { return SetFlag(o.headless, v); }},
    OptionEntry{"script", 0, Kind::kValue, false, "FILE|-",
                "play a walkthrough script as the user ('-': standard input)",
                [](PlayerOptions& o, std::string_view v) {
                    if (v.empty()) {
                        return std::optional<std::string>("script needs a file name or -");
                    }
                    o.script = std::string(v);
                    return std::optional<std::string>();
                }},
    OptionEntry{"continue", 0, Kind::kSwitch, false, "",
                "with --script in a window: play on at the window when the script ends",
                [](PlayerOptions& o, std::string_view v) { return SetFlag(o.continue_play, v); }},
    OptionEntry{
        "record", 0, Kind::kValue, false, "FILE",
        "write the play at the window to FILE as a walkthrough script (not with --headless)",
        [](PlayerOptions& o, std::string_view v) { return SetPath(o.record, v, "record"); }},
    OptionEntry{"strict", 0, Kind::kSwitch, false, "",
                "fail the script on an unreachable control, an error message box or a run-time "
                "error",
                [](PlayerOptions& o, std::string_view v) { return SetFlag(o.strict, v); }},
    OptionEntry{"trace-media", 0, Kind::kSwitch, false, "",
                "print a line for every sound, music and movie started",
                [](PlayerOptions& o, std::string_view v) { return SetFlag(o.trace_media, v); }},
};

}  // namespace

std::span<const OptionEntry> PlayerOptionTable() {
    return kOptions;
}

const OptionEntry* FindOption(std::string_view name) {
    const auto it = std::find_if(kOptions.begin(), kOptions.end(),
                                 [name](const OptionEntry& option) { return option.name == name; });
    return it != kOptions.end() ? &*it : nullptr;
}

std::optional<bool> ParseSwitchValue(std::string_view value) {
    std::string word;
    for (const char c : value) {
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (word == "true" || word == "yes" || word == "on" || word == "1") {
        return true;
    }
    if (word == "false" || word == "no" || word == "off" || word == "0") {
        return false;
    }
    return std::nullopt;
}

}  // namespace morvane
