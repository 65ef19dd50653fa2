#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/canvas_scaling.h"

namespace morvane {

// How the player was started: the command line over the settings file over these defaults.
struct PlayerOptions {
    // Empty: the folder of the executable, the game the player is installed in.
    std::filesystem::path game_folder;
    // No window, no audio device, a virtual clock.
    bool headless = false;
    // A walkthrough script to play as the user; "-" reads it from standard input.
    std::optional<std::string> script;
    // The script run fails on anything an author should fix: a control it cannot reach, an
    // error message box, a run-time error.
    bool strict = false;
    // A windowed script run goes on as play at the window when the script ends.
    bool continue_play = false;
    // The play at the window is written to this file as a walkthrough script.
    std::optional<std::filesystem::path> record;
    // Logging is on from the start.
    bool log = false;
    // Media lines on standard output too.
    bool trace_media = false;

    // The window fills the screen from the start.
    bool full_screen = false;
    Scaling scaling = Scaling::kFit;
    // The master volume in percent, over the game's own volumes; mute silences everything.
    int volume = 100;
    bool mute = false;
    // The General MIDI soundfont for MIDI music; unset: searched for.
    std::optional<std::filesystem::path> soundfont;
    // Where saved games go; unset: the game's own `Saved` folder.
    std::optional<std::filesystem::path> saves;
    // A copy of the run's log lines, written to this file.
    std::optional<std::filesystem::path> log_file;
};

}  // namespace morvane
