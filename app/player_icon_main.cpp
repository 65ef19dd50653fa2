// Writes the player's icon, drawn in code, as PNG files for the desktop's icon theme:
//   morvane-player-icon FOLDER SIZE...   ->  FOLDER/SIZExSIZE/apps/morvane-player.png
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "platform/sdl/player_icon.h"
#include "platform/sdl/screenshot.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: morvane-player-icon FOLDER SIZE...\n";
        return 2;
    }
    try {
        for (int i = 2; i < argc; ++i) {
            const int size = std::stoi(argv[i]);
            const auto folder = std::filesystem::path(argv[1]) /
                                (std::to_string(size) + "x" + std::to_string(size)) / "apps";
            std::filesystem::create_directories(folder);
            morvane::sdl::WritePng(morvane::sdl::DrawPlayerIcon(size), size, size,
                                   folder / "morvane-player.png");
        }
    } catch (const std::exception& error) {
        std::cerr << "morvane-player-icon: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
