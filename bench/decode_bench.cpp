// GIF decoding against giflib: each shape of GIF decoded by the player and by giflib with a
// plain 32-bit composite, alternately in the same run, and the ratio of the medians reported.
//
//   morvane-decode-bench [ROUNDS [SHAPE]]   SHAPE: part of a shape's name, to run just that one

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_gifs.h"
#include "gif_baseline.h"
#include "platform/gif_decoder.h"
#include "report.h"

namespace morvane::bench {
namespace {

struct Shape {
    std::string name;
    std::vector<GifImage> images;
    double target;
};

bool Measure(const Shape& shape, int rounds) {
    std::vector<std::vector<uint8_t>> files;
    std::size_t bytes = 0;
    int frames = 0;
    for (const GifImage& image : shape.images) {
        const std::string encoded = EncodeGif(image);
        files.emplace_back(encoded.begin(), encoded.end());
        bytes += encoded.size();
        frames += static_cast<int>(image.frames.size());
    }
    std::vector<double> ours;
    std::vector<double> giflib;
    uint32_t sink = 0;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        for (const auto& file : files) {
            sink ^= DecodeWithGiflib(file);
        }
        giflib.push_back(MsSince(start));
        start = Clock::now();
        for (const auto& file : files) {
            const PictureResult result = DecodeGif(file);
            sink ^= result ? static_cast<uint32_t>(result.picture->FrameCount()) : 1u;
        }
        ours.push_back(MsSince(start));
    }
    const double mine = Median(ours);
    const double theirs = Median(giflib);
    char figure[128];
    std::snprintf(figure, sizeof figure, "%.1f ms vs giflib %.1f ms (%d frames, %zu KB)", mine,
                  theirs, frames, bytes / 1024);
    return Report("decode " + shape.name + " / giflib", figure, mine / theirs, shape.target, true,
                  "x") &&
           sink != 0xFFFFFFFFu;
}

}  // namespace
}  // namespace morvane::bench

int main(int argc, char** argv) {
    using namespace morvane::bench;
    const int rounds = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 9;
    const std::vector<Shape> shapes{
        {"whole-picture frames", {WholePictureGif(20, 1), WholePictureGif(20, 2)}, 1.2},
        {"moving sprites", {MovingSpriteGif(60, 3), MovingSpriteGif(60, 4)}, 1.2},
        {"stills", {StillGif(5), StillGif(6), StillGif(7), StillGif(8)}, 1.1},
        {"scene objects (20)", SceneObjectGifs(20), 1.2},
    };
    bool all = true;
    for (const Shape& shape : shapes) {
        if (argc >= 3 && shape.name.find(argv[2]) == std::string::npos) {
            continue;
        }
        all = Measure(shape, rounds) && all;
    }
    return all ? 0 : 1;
}
