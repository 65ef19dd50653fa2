// morvane-tool: the authors' companion. `dump` prints a game's five database files as one JSON
// document; `build` writes them from such a document; `check` lists every reference in a game's
// data that cannot work; `format-doc` prints the description of the data format (the
// checked-in docs/game-format.md).

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

#include "base/runtime_error.h"
#include "database/game_check.h"
#include "database/game_files.h"
#include "database/game_format_doc.h"
#include "database/game_source.h"
#include "platform/game_paths.h"

namespace {

constexpr const char* kUsage =
    "usage: morvane-tool dump GAME_FOLDER | morvane-tool build SOURCE.json GAME_FOLDER |\n"
    "       morvane-tool check GAME_FOLDER [--json] | morvane-tool format-doc";

int Fail(const std::string& message) {
    std::cerr << "morvane-tool: " << message << "\n";
    return 1;
}

int Dump(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return Fail(folder.string() + ": not a readable game folder");
    }
    const morvane::GameData game = morvane::ReadGameFiles(morvane::GamePaths(folder));
    std::cout << morvane::DumpGameSource(game);
    std::cout.flush();
    return std::cout ? 0 : Fail("cannot write the document");
}

int Build(const std::filesystem::path& source, const std::filesystem::path& folder) {
    std::ifstream in(source, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        return Fail(source.string() + ": cannot read the file");
    }
    // Everything is checked before the first byte is written, so a bad document writes nothing.
    morvane::GameData game;
    try {
        game = morvane::ParseGameSource(text.str());
    } catch (const morvane::GameSourceError& error) {
        return Fail(source.string() + ": " + error.what());
    }
    morvane::WriteGameFiles(folder, game);
    return 0;
}

// One line per finding on standard output (or one JSON document); a count on standard error
// when there is anything to count. Exit status 1 when there is an error.
int Check(const std::filesystem::path& folder, bool json) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return Fail(folder.string() + ": not a readable game folder");
    }
    const auto findings = morvane::CheckGameFolder(morvane::GamePaths(folder));
    if (json) {
        std::cout << morvane::FindingsJson(findings);
    } else {
        for (const morvane::Finding& finding : findings) {
            std::cout << finding.Line() << "\n";
        }
    }
    std::cout.flush();
    if (!findings.empty()) {
        const auto errors = std::count_if(findings.begin(), findings.end(), [](const auto& f) {
            return f.Level == morvane::Severity::kError;
        });
        std::cerr << "morvane-tool: " << folder.string() << ": " << errors
                  << (errors == 1 ? " error, " : " errors, ") << findings.size() - errors
                  << (findings.size() - errors == 1 ? " warning" : " warnings") << "\n";
    }
    return morvane::HasErrors(findings) ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "dump" && argc == 3) {
            return Dump(argv[2]);
        }
        if (command == "build" && argc == 4) {
            return Build(argv[2], argv[3]);
        }
        if (command == "format-doc" && argc == 2) {
            std::cout << morvane::GameFormatDocument();
            return std::cout.flush() ? 0 : Fail("cannot write the document");
        }
        if (command == "check" && (argc == 3 || (argc == 4 && std::string(argv[3]) == "--json"))) {
            return Check(argv[2], argc == 4);
        }
    } catch (const morvane::RuntimeError& error) {
        return Fail(std::string("Error #") + std::to_string(error.Number()) + ": " +
                    error.Description());
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    std::cerr << kUsage << "\n";
    return 2;
}
