#pragma once

#include <memory>

#include "platform/movie_engine.h"

namespace morvane {

class EventLoop;
class GamePaths;
class MovieSoundOutput;

// The movies of a run in a window: FFmpeg's engine with its sound going to `sound` (none:
// silent movies). The engine owns what it needs, so one object stands for the whole service.
std::unique_ptr<MovieEngine> MakeFfmpegMovies(EventLoop& loop, const GamePaths& paths,
                                              MovieSoundOutput* sound);

// The player loads FFmpeg only when a movie first plays, from a module of its own that
// exports this function (see movie_module.cpp). Linking FFmpeg into the program would cost
// every run, also a headless one, the start-up time of its hundred libraries.
inline constexpr const char* kMakeMoviesSymbol = "MorvaneMakeFfmpegMovies";
inline constexpr const char* kMoviesModuleName = "morvane-movies.so";
using MakeMoviesFunction = MovieEngine* (*)(EventLoop& loop, const GamePaths& paths,
                                            MovieSoundOutput* sound);

}  // namespace morvane
