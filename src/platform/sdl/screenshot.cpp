#include "platform/sdl/screenshot.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cctype>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "platform/sdl/sdl_handles.h"

namespace morvane::sdl {
namespace {

// The value of XDG_PICTURES_DIR in a user-dirs.dirs file ("$HOME/Pictures"), with $HOME
// replaced; empty when the file does not name one.
std::filesystem::path FromUserDirs(const std::filesystem::path& file, const std::string& home) {
    std::ifstream in(file);
    std::string line;
    constexpr std::string_view kKey = "XDG_PICTURES_DIR=";
    while (std::getline(in, line)) {
        if (line.rfind(kKey, 0) != 0) {
            continue;
        }
        std::string value = line.substr(kKey.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        }
        while (value.size() > 1 && value.back() == '/') {
            value.pop_back();
        }
        // The desktop's way of saying "no pictures folder" is the home folder itself.
        if (!value.empty() && value.front() == '/' && std::filesystem::path(value) != home) {
            return value;
        }
    }
    return {};
}

}  // namespace

std::filesystem::path PicturesFolder(const EnvironmentLookup& environment) {
    if (const std::string own = environment("XDG_PICTURES_DIR"); !own.empty()) {
        return own;
    }
    const std::string home = environment("HOME");
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() && !home.empty()) {
        config = home + "/.config";
    }
    if (!config.empty()) {
        if (auto named = FromUserDirs(std::filesystem::path(config) / "user-dirs.dirs", home);
            !named.empty()) {
            return named;
        }
    }
    return std::filesystem::path(home.empty() ? "." : home) / "Pictures";
}

std::string ScreenshotFileName(std::string_view title, const std::tm& local_time) {
    std::string name;
    for (const char c : title) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || c == '-' || c == '_') {
            name += c;
        } else if (c == ' ' && !name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') {
        name.pop_back();
    }
    if (name.empty()) {
        name = "Morvane";
    }
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local_time);
    return name + "-" + stamp + ".png";
}

void WritePng(const std::vector<uint32_t>& pixels, int width, int height,
              const std::filesystem::path& path) {
    SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels.data()),
                                                             width, height, 32, width * 4,
                                                             SDL_PIXELFORMAT_ARGB8888));
    if (!surface || IMG_SavePNG(surface.get(), path.c_str()) != 0) {
        throw std::runtime_error("cannot write the picture " + path.string() + ": " +
                                 SDL_GetError());
    }
}

std::filesystem::path SaveScreenshot(const std::vector<uint32_t>& pixels, int width, int height,
                                     const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path first = folder / name;
    std::filesystem::path path = first;
    for (int n = 2; std::filesystem::exists(path, error); ++n) {
        path = folder / (first.stem().string() + "-" + std::to_string(n) + ".png");
    }
    WritePng(pixels, width, height, path);
    return path;
}

}  // namespace morvane::sdl
