#include "player/option_parser.h"

#include <algorithm>

#include "player/option_table.h"

#ifndef MORVANE_VERSION
#define MORVANE_VERSION "unknown"
#endif

namespace morvane {
namespace {

using Kind = OptionEntry::Kind;

const OptionEntry* FindShort(char name) {
    for (const OptionEntry& option : PlayerOptionTable()) {
        if (option.short_name != 0 && option.short_name == name) {
            return &option;
        }
    }
    return nullptr;
}

CommandLine Fail(std::string error) {
    CommandLine result;
    result.action = CommandLine::Action::kError;
    result.error = std::move(error);
    return result;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments, const PlayerOptions& base) {
    CommandLine result;
    result.options = base;
    bool have_folder = false;
    bool options_ended = false;
    auto take_folder = [&](const std::string& argument) -> std::optional<std::string> {
        if (have_folder) {
            return "only one game folder may be given (" + result.options.game_folder.string() +
                   " and " + argument + ")";
        }
        result.options.game_folder = argument;
        have_folder = true;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options_ended || argument == "-" || argument.empty() || argument.front() != '-') {
            if (auto error = take_folder(argument)) {
                return Fail(*error);
            }
            continue;
        }
        if (argument == "--") {
            options_ended = true;
            continue;
        }
        if (argument.rfind("--", 0) == 0) {
            const std::size_t equals = argument.find('=');
            const std::string name =
                argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            if (name == "help") {
                result.action = CommandLine::Action::kHelp;
                return result;
            }
            if (name == "version") {
                result.action = CommandLine::Action::kVersion;
                return result;
            }
            const OptionEntry* option = FindOption(name);
            if (option == nullptr) {
                return Fail("unknown option --" + name);
            }
            std::string value;
            if (option->kind == Kind::kSwitch) {
                if (equals != std::string::npos) {
                    return Fail("--" + name + " takes no value");
                }
                value = "true";
            } else if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return Fail("--" + name + " needs a value (" + std::string(option->value_name) +
                            ")");
            }
            if (auto error = option->apply(result.options, value)) {
                return Fail("--" + name + ": " + *error);
            }
            continue;
        }
        // Short switches, one or several after one dash.
        for (std::size_t k = 1; k < argument.size(); ++k) {
            const char c = argument[k];
            if (c == 'h') {
                result.action = CommandLine::Action::kHelp;
                return result;
            }
            if (c == 'V') {
                result.action = CommandLine::Action::kVersion;
                return result;
            }
            const OptionEntry* option = FindShort(c);
            if (option == nullptr) {
                return Fail(std::string("unknown option -") + c);
            }
            option->apply(result.options, "true");
        }
    }
    return result;
}

std::optional<std::string> ConflictingOptions(const PlayerOptions& options) {
    if (options.record && options.headless) {
        return "--record records the play at the window; it cannot go with --headless";
    }
    if (options.continue_play && options.headless) {
        return "--continue hands a script over to the window; it cannot go with --headless";
    }
    if (options.continue_play && !options.script) {
        return "--continue goes on from the end of a script: it needs --script";
    }
    return std::nullopt;
}

std::string HelpText() {
    std::string text =
        "Usage: morvane-player [OPTION]... [GAME_FOLDER]\n"
        "Play a Morvane adventure game. GAME_FOLDER holds the game's resource folder; without\n"
        "it, the folder of the player program.\n"
        "\n";
    auto line = [&text](const std::string& left, std::string_view help) {
        std::string padded = "  " + left;
        if (padded.size() < 26) {
            padded.resize(26, ' ');
        } else {
            padded += "\n" + std::string(26, ' ');
        }
        text += padded + std::string(help) + "\n";
    };
    for (const OptionEntry& option : PlayerOptionTable()) {
        std::string left =
            option.short_name != 0 ? std::string("-") + option.short_name + ", " : "    ";
        left += "--" + std::string(option.name);
        if (option.kind == Kind::kValue) {
            left += " " + std::string(option.value_name);
        }
        line(left, option.help);
    }
    line("-h, --help", "show this help and exit");
    line("-V, --version", "show the version and exit");
    text +=
        "\n"
        "Options may also be written --name=VALUE; '--' ends the options. Settings that hold\n"
        "for every game go in $XDG_CONFIG_HOME/morvane-player/settings.ini (~/.config/...),\n"
        "one 'name = value' a line with the long names above; the command line wins.\n"
        "\n"
        "Keys: F11 or Alt+Enter full screen, F12 screenshot, Ctrl+M mute, Ctrl+Q quit.\n"
        "Exit status: 0 done, 1 a script's expectation failed, 2 a usage, game folder or\n"
        "script error.\n";
    return text;
}

std::string VersionText() {
    return std::string("morvane-player ") + MORVANE_VERSION;
}

std::string HelpHint() {
    return "Try 'morvane-player --help' for more information.";
}

}  // namespace morvane
