#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/movie_engine.h"

namespace morvane {

class EventLoop;
class GamePaths;
class MovieSoundOutput;

// Makes the movie engine of a run in a window.
using MovieMaker =
    std::function<std::unique_ptr<MovieEngine>(EventLoop&, const GamePaths&, MovieSoundOutput*)>;

// The folders the movies module is looked for in: beside the running program, then the
// library folder the player is installed to.
std::vector<std::filesystem::path> MoviesModuleFolders();

// Movies from the FFmpeg module, loaded when the first movie is opened, so a run that plays
// none (and every headless run) never loads FFmpeg. When the module cannot be loaded,
// `notice` hears why once and every movie then fails to open as a file that cannot be played.
MovieMaker LoadedFfmpegMovies(std::vector<std::filesystem::path> folders,
                              std::function<void(const std::string&)> notice);

}  // namespace morvane
