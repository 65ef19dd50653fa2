#include "player/settings_file.h"

#include <fstream>
#include <optional>

#include "player/option_table.h"

namespace morvane {
namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// What is wrong with one line, or nothing.
std::optional<std::string> ApplyLine(const std::string& line, PlayerOptions& options) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) {
        return "expected 'name = value'";
    }
    const std::string name = Trim(line.substr(0, equals));
    std::string value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    const OptionEntry* option = FindOption(name);
    if (option == nullptr || !option->in_settings_file) {
        return "unknown setting '" + name + "'";
    }
    if (option->kind == OptionEntry::Kind::kSwitch) {
        const auto on = ParseSwitchValue(value);
        if (!on) {
            return name + " must be true or false, not '" + value + "'";
        }
        value = *on ? "true" : "false";
    }
    PlayerOptions changed = options;
    if (auto error = option->apply(changed, value)) {
        return error;
    }
    options = std::move(changed);
    return std::nullopt;
}

}  // namespace

std::filesystem::path SettingsFilePath(const EnvironmentLookup& environment) {
    std::filesystem::path config = environment("XDG_CONFIG_HOME");
    if (config.empty() || !config.is_absolute()) {
        config = std::filesystem::path(environment("HOME")) / ".config";
    }
    return config / "morvane-player" / "settings.ini";
}

SettingsResult ReadSettings(std::istream& in, const std::string& source,
                            const PlayerOptions& base) {
    SettingsResult result{base, {}};
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        const std::string line = Trim(raw);
        if (line.empty() || line.front() == '#' || line.front() == ';' ||
            (line.front() == '[' && line.back() == ']')) {
            continue;
        }
        if (auto problem = ApplyLine(line, result.options)) {
            result.warnings.push_back(source + ":" + std::to_string(number) + ": " + *problem +
                                      " (line ignored)");
        }
    }
    return result;
}

SettingsResult ReadSettingsFile(const std::filesystem::path& file, const PlayerOptions& base) {
    std::ifstream in(file);
    if (!in) {
        return {base, {}};
    }
    return ReadSettings(in, file.string(), base);
}

}  // namespace morvane
