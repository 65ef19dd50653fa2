#pragma once

#include <string>
#include <vector>

#include "platform/gif_writer.h"

namespace morvane::bench {

// The GIFs the benchmarks decode and show, written by the project's own GIF writer. Every one
// is 640 x 480, the size of a scene's animated objects and backdrops.
constexpr int kGifWidth = 640;
constexpr int kGifHeight = 480;

// Every frame covers the whole picture and changes most of it (water, rain, a flickering
// backdrop).
GifImage WholePictureGif(int frames, int seed);
// A still backdrop, then a 64 x 64 sprite walking across it, each frame put back after it is
// shown.
GifImage MovingSpriteGif(int frames, int seed);
// One frame.
GifImage StillGif(int seed);

// The animated objects of a heavy scene: `count` pictures, each transparent but for an object
// of its own that animates in place, the way scene objects are usually drawn on a canvas the
// size of the scene.
std::vector<GifImage> SceneObjectGifs(int count);

}  // namespace morvane::bench
