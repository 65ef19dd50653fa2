#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace morvane::testing {

// What a run of the built morvane-player printed and how it ended.
struct PlayerRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built player with `arguments` (shell-quoted by the caller) and `input` as its
// standard input, keeping its output in files of `scratch`. `environment` goes before the
// program as the shell reads it ("env -u DISPLAY", "HOME=/x").
inline PlayerRun RunPlayer(const TempFolder& scratch, const std::string& arguments,
                           const std::string& input = "", const std::string& environment = "") {
    const auto in = scratch.Write("stdin.txt", input);
    const auto out = scratch.Path() / "stdout.txt";
    const auto err = scratch.Path() / "stderr.txt";
    const std::string command = environment + " '" + MORVANE_BUILD_DIR + "/morvane-player' " +
                                arguments + " < '" + in.string() + "' > '" + out.string() +
                                "' 2> '" + err.string() + "'";
    const int raw = std::system(command.c_str());
    PlayerRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadWholeFile(out);
    run.err = ReadWholeFile(err);
    return run;
}

// Plays `script` headless on `game`, with further `options` ("--log --trace-media").
inline PlayerRun RunPlayerScript(const TempFolder& scratch, const std::filesystem::path& game,
                                 const std::string& script, const std::string& options = "") {
    const auto file = scratch.Write("walk.txt", script);
    return RunPlayer(
        scratch, "'" + game.string() + "' --headless --script '" + file.string() + "' " + options);
}

}  // namespace morvane::testing
