// The entry point of the movies module the player loads when a movie first plays. The module
// holds only the FFmpeg engine; everything else it uses comes from the program that loads it.
#include "media/ffmpeg/ffmpeg_movies.h"

extern "C" __attribute__((visibility("default"))) morvane::MovieEngine* MorvaneMakeFfmpegMovies(
    morvane::EventLoop& loop, const morvane::GamePaths& paths, morvane::MovieSoundOutput* sound) {
    // Handed over at once to the loader's unique_ptr.
    return morvane::MakeFfmpegMovies(loop, paths, sound).release();
}
