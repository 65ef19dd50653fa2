#include "flow/command_line.h"

namespace morvane {

CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments) {
    PlayerOptions options;
    bool have_folder = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--strict") {
            options.strict = true;
        } else if (argument == "--log") {
            options.log = true;
        } else if (argument == "--trace-media") {
            options.trace_media = true;
        } else if (argument == "--script") {
            if (i + 1 >= arguments.size()) {
                return {std::nullopt, "--script needs a file name or -"};
            }
            options.script = arguments[++i];
        } else if (argument.size() > 1 && argument.front() == '-') {
            return {std::nullopt, "unknown option " + argument};
        } else if (have_folder) {
            return {std::nullopt, "only one game folder may be given"};
        } else {
            options.game_folder = argument;
            have_folder = true;
        }
    }
    return {options, {}};
}

std::string Usage() {
    return "usage: morvane-player [GAME_FOLDER] [--headless] [--script FILE|-] [--strict] [--log] "
           "[--trace-media]";
}

}  // namespace morvane
